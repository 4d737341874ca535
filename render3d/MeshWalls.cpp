#include "render3d/MeshWalls.h"

#include "render3d/MeshBuild.h"
#include "render3d/RenderFrame.h"

namespace qb {
namespace {

struct WallBuilder {
    const MeshInput& input;
    float scale;

    // The two vertices of grid point (column, row) on a wall facing `normal`.
    void Add(std::vector<SceneVertex>& wall, int column, int row, const Vec3& normal) const
    {
        const float x = static_cast<float>(column * input.colSpacing * scale);
        const float y = static_cast<float>(row * input.rowSpacing * scale);
        const float z = input.heights[std::size_t(row) * input.columns + column] * scale;
        wall.push_back({{x, y, z}, normal, kWallColour});
        wall.push_back({{x, y, 0}, normal, kWallColour});
    }
};

} // namespace

void BuildWalls(const MeshInput& input, int rowsUsed, float scale, TerrainMesh& mesh)
{
    const WallBuilder b{input, scale};
    const int lastColumn = input.columns - 1, lastRow = rowsUsed - 1;
    for (auto& wall : mesh.walls)
        wall.clear();
    mesh.walls[kWallFirstRow].reserve(2 * std::size_t(input.columns));
    mesh.walls[kWallLastRow].reserve(2 * std::size_t(input.columns));
    for (int column = 0; column <= lastColumn; ++column) {
        b.Add(mesh.walls[kWallFirstRow], column, 0, {0, -1, 0});
        b.Add(mesh.walls[kWallLastRow], lastColumn - column, lastRow, {0, 1, 0});
    }
    mesh.walls[kWallFirstColumn].reserve(2 * std::size_t(rowsUsed));
    mesh.walls[kWallLastColumn].reserve(2 * std::size_t(rowsUsed));
    for (int row = 0; row <= lastRow; ++row) {
        b.Add(mesh.walls[kWallFirstColumn], 0, row, {-1, 0, 0});
        b.Add(mesh.walls[kWallLastColumn], lastColumn, row, {1, 0, 0});
    }
}

} // namespace qb
