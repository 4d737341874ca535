#pragma once
#include <cstdint>
#include <vector>

namespace qb {

// The triangle list of a block of w x h vertices stored row by row: for each
// cell with top-left vertex d and the vertex e below it, the triangles
// d, d + 1, e and d + 1, e + 1, e. Detail k > 1 spans the same pattern over
// every k-th column and row of the block, its last column and row always
// included, indexing the same vertices. Empty when the block has no cell.
std::vector<std::uint16_t> BlockTriangleIndices(int w, int h, int detail = 1);

// The columns (or rows) 0, k, 2k, ... of `count` that a detail of k keeps,
// ending with count - 1.
std::vector<int> DetailLines(int count, int detail);

} // namespace qb
