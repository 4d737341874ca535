#include "bench/HybridGrid.h"

#include "terrain/HeightGrid.h"

namespace qb::bench {
namespace {

// The point of the original that position i of a mirrored run of copies shows.
int Mirrored(int i, int size)
{
    const int copy = i / size, at = i % size;
    return copy % 2 == 0 ? at : size - 1 - at;
}

} // namespace

SampledGrid MirroredGrid(const CHeightGrid& grid, int across, int down)
{
    SampledGrid out;
    out.columns = grid.m_nCols * across;
    out.rows = grid.m_nRows * down;
    out.heights.resize(std::size_t(out.columns) * std::size_t(out.rows));
    float* h = out.heights.data();
    for (int r = 0; r < out.rows; ++r) {
        const int row = Mirrored(r, grid.m_nRows);
        for (int c = 0; c < out.columns; ++c)
            *h++ = grid.Height(row, Mirrored(c, grid.m_nCols));
    }
    return out;
}

} // namespace qb::bench
