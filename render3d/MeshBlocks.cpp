#include "render3d/MeshBlocks.h"

#include <algorithm>

namespace qb {
namespace {

int CeilDiv(std::int64_t a, int b)
{
    return static_cast<int>((a + b - 1) / b);
}

// Vertices of the fullest block: its own points and one shared seam each way.
std::int64_t SeamedVertices(int blockCols, int blockRows)
{
    return std::int64_t(blockCols + 1) * (blockRows + 1);
}

// The first and count of the vertices of block `index` along one axis.
void Axis(int index, int perBlock, int points, int& first, int& count)
{
    first = index * perBlock;
    const int last = std::min<std::int64_t>(std::int64_t(first) + perBlock, points - 1);
    count = first < points ? last - first + 1 : 0;
}

} // namespace

BlockLayout PlanBlocks(int columns, int rows)
{
    BlockLayout layout;
    if (columns <= 0 || rows <= 0)
        return layout;
    const std::int64_t points = std::int64_t(columns) * rows;
    layout.blocksPerSide = points <= 4'194'304 ? 8 : points <= 16'777'216 ? 16 : 32;
    const int n = layout.blocksPerSide;
    layout.blockCols = CeilDiv(columns, n);
    layout.rowsUsed = rows;
    layout.blockRows = CeilDiv(rows, n);
    // Counting the seams keeps the fullest block inside 16-bit indices; a
    // block of bc x br own points carries (bc + 1) x (br + 1) vertices.
    while (layout.rowsUsed > 1 && SeamedVertices(layout.blockCols, layout.blockRows) > kMaxBlockVertices) {
        --layout.rowsUsed;
        layout.blockRows = CeilDiv(layout.rowsUsed, n);
    }
    return layout;
}

BlockSpan SpanOfBlock(const BlockLayout& layout, int columns, int bx, int by)
{
    BlockSpan span;
    if (layout.blockCols <= 0 || layout.blockRows <= 0)
        return span;
    Axis(bx, layout.blockCols, columns, span.firstCol, span.cols);
    Axis(by, layout.blockRows, layout.rowsUsed, span.firstRow, span.rows);
    if (span.cols == 0 || span.rows == 0)
        span.cols = span.rows = 0;
    return span;
}

} // namespace qb
