#include "render3d/BlockIndices.h"

#include <algorithm>

namespace qb {

std::vector<int> DetailLines(int count, int detail)
{
    std::vector<int> lines;
    if (count <= 0)
        return lines;
    const int step = std::max(1, detail);
    for (int i = 0; i < count - 1; i += step)
        lines.push_back(i);
    lines.push_back(count - 1);
    return lines;
}

std::vector<std::uint16_t> BlockTriangleIndices(int w, int h, int detail)
{
    std::vector<std::uint16_t> indices;
    if (w < 2 || h < 2)
        return indices;
    const std::vector<int> cols = DetailLines(w, detail), rows = DetailLines(h, detail);
    indices.reserve(6 * (cols.size() - 1) * (rows.size() - 1));
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        for (std::size_t c = 0; c + 1 < cols.size(); ++c) {
            const int d = w * rows[r] + cols[c], d1 = w * rows[r] + cols[c + 1];
            const int e = w * rows[r + 1] + cols[c], e1 = w * rows[r + 1] + cols[c + 1];
            for (int index : {d, d1, e, d1, e1, e})
                indices.push_back(static_cast<std::uint16_t>(index));
        }
    }
    return indices;
}

} // namespace qb
