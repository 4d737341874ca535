#pragma once
#include <cstdint>

namespace qb {

// How the renderer cuts a grid of heights into square-ish blocks, each small
// enough to be drawn with 16-bit vertex indices.
struct BlockLayout {
    int blocksPerSide = 0;  // 8, 16 or 32
    int blockCols = 0;      // points a block owns across
    int blockRows = 0;      // points a block owns down
    int rowsUsed = 0;       // rows of the grid shown; the rest are cut off
    int BlockCount() const { return blocksPerSide * blocksPerSide; }
};

// The vertices of one block: the points it owns plus the seam column and row
// it shares with the blocks to its right and below.
struct BlockSpan {
    int firstCol = 0, firstRow = 0;
    int cols = 0, rows = 0;  // vertices across and down; 0 for a block beyond the grid
    std::int64_t Vertices() const { return std::int64_t(cols) * rows; }
    // Only a block of at least 2 x 2 vertices has a triangle to draw.
    bool HasTriangles() const { return cols >= 2 && rows >= 2; }
};

// Most vertices a block may hold so that every index fits 16 bits.
inline constexpr std::int64_t kMaxBlockVertices = 65536;

// 64 blocks up to 4,194,304 points, 256 up to 16,777,216, else 1024. While a
// block with its seams would hold more than kMaxBlockVertices vertices, the
// last row of the grid is dropped and the block height computed again.
BlockLayout PlanBlocks(int columns, int rows);
// The span of block (bx, by) of a layout over a grid of `columns` columns.
BlockSpan SpanOfBlock(const BlockLayout& layout, int columns, int bx, int by);

} // namespace qb
