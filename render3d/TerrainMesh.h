#pragma once
#include "render3d/MeshBlocks.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qb {

using Vec3 = std::array<float, 3>;

// One terrain vertex as it goes to the GPU. Its position across and down is
// not stored: it follows from the vertex's place in its block (column
// firstCol + i % cols, row firstRow + i / cols), which keeps a 54-million-point
// mesh at 12 bytes a point.
struct TerrainVertex {
    float z = 0;              // model units
    std::uint32_t normal = 0; // unit normal, signed 10 bits a component (GL_INT_2_10_10_10_REV order: x low)
    std::uint32_t argb = 0;   // 0xAARRGGBB
};
static_assert(sizeof(TerrainVertex) == 12);

// Packs a unit normal into three signed 10-bit fields (x in bits 0-9, y in
// 10-19, z in 20-29), each component times 511 and rounded.
std::uint32_t PackNormal(const Vec3& n);
Vec3 UnpackNormal(std::uint32_t packed);

// The vertices of one block, row by row; a block without a triangle holds none.
struct TerrainBlock {
    BlockSpan span;
    std::vector<TerrainVertex> vertices;
};

// A vertex with its whole position: the side walls, the label poles and quads.
struct SceneVertex {
    Vec3 position{};
    Vec3 normal{};
    std::uint32_t argb = 0;
    float u = 0, v = 0;
};

// Which side wall: along the first row, back along the last row, along the
// first column, along the last column.
enum WallSide { kWallFirstRow, kWallLastRow, kWallFirstColumn, kWallLastColumn, kWallCount };

// What a build hands the device and the exports: model space is x = column x
// column spacing x scale, y = row x row spacing x scale, z = height x scale,
// z up, the larger horizontal side 20 units long.
struct TerrainMesh {
    int columns = 0, rows = 0;      // the grid handed in; layout.rowsUsed of its rows are shown
    double colSpacing = 0, rowSpacing = 0; // metres between neighbouring columns and rows
    float scale = 0;                // model units per metre
    float colStep = 0, rowStep = 0; // model units between neighbouring columns and rows
    BlockLayout layout;
    std::vector<TerrainBlock> blocks;                       // layout.BlockCount(), block rows top to bottom
    std::array<std::vector<SceneVertex>, kWallCount> walls; // triangle strips down to z = 0
    Vec3 target{};                  // the camera's starting target
    std::array<float, 2> extent{};  // twice the centre's x and y

    bool Empty() const { return blocks.empty(); }
    // Of the terrain blocks, a seam vertex once in each block holding it; the walls are not counted.
    std::int64_t VertexCount() const;
    std::int64_t TriangleCount() const;
    // Model-space position of vertex i of a block.
    Vec3 PositionOf(const TerrainBlock& block, int i) const;
};

} // namespace qb
