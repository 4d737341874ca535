#pragma once
#include "render3d/TerrainMesh.h"

#include <cstdint>
#include <vector>

namespace qb {

// One vertex of a mesh file, in metres.
struct SolidVertex {
    Vec3 position{};
    Vec3 normal{};
    std::uint32_t argb = 0;
};

// The rendering view's mesh as a closed solid for the mesh files, in metres
// (heights as exaggerated for the view) in a right-handed frame: x east,
// y north, z up, the south-west corner at the origin. The terrain surface is
// one grid of columns x shown rows vertices, each seam the blocks share held
// once; the sides are four walls from the surface's edges down to the base
// and a bottom, all facing out, in the walls' dark red.
class CExportSolid {
public:
    explicit CExportSolid(const TerrainMesh& mesh);

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    std::int64_t SurfaceVertexCount() const { return std::int64_t(m_columns) * m_rows; }
    std::int64_t SurfaceTriangleCount() const { return 2 * std::int64_t(m_columns - 1) * (m_rows - 1); }
    Vec3 SurfacePosition(int column, int row) const;
    // Position, normal (seams averaged over the blocks sharing them) and colour.
    SolidVertex SurfaceVertex(int column, int row) const;
    // Calls f(a, b, c) for every surface triangle, its vertices numbered
    // row * Columns() + column, counter-clockwise seen from above.
    template <class F>
    void ForEachSurfaceTriangle(F f) const;

    // The walls and the bottom, as whole lists: vertices and triangles.
    const std::vector<SolidVertex>& SideVertices() const { return m_sideVertices; }
    const std::vector<std::uint32_t>& SideTriangles() const { return m_sideTriangles; }
    // The height of the bottom: 0, or 1 m below the lowest point when that
    // lies at or below 0, so that no wall has a height of nothing. A height
    // that is not a number stands at 0.
    float Base() const { return m_base; }

private:
    // Where a grid column (or row) is kept: in one block, or in two at a seam.
    struct AxisPlaces {
        int count = 0;
        int block[2]{};
        int local[2]{};
    };
    void PlaceAxes(const TerrainMesh& mesh);
    // Calls f(vertex) for each block's copy of a grid point: one, or up to
    // four on the seams.
    template <class F>
    void ForEachCopy(int column, int row, F f) const;
    float LowestHeight() const;
    void BuildSides();
    void AddWall(const std::vector<std::array<int, 2>>& edge, const Vec3& normal);
    void AddBottom(const std::vector<std::array<int, 2>>& ring);

    const TerrainMesh& m_mesh;
    int m_columns = 0, m_rows = 0;
    std::vector<AxisPlaces> m_colPlaces, m_rowPlaces;
    float m_base = 0;
    std::vector<SolidVertex> m_sideVertices;
    std::vector<std::uint32_t> m_sideTriangles;
};

template <class F>
void CExportSolid::ForEachSurfaceTriangle(F f) const
{
    const auto w = static_cast<std::uint32_t>(m_columns);
    for (std::uint32_t row = 0; row + 1 < static_cast<std::uint32_t>(m_rows); ++row) {
        for (std::uint32_t column = 0; column + 1 < w; ++column) {
            const std::uint32_t d = row * w + column, e = d + w;
            f(d, e, d + 1);
            f(d + 1, e, e + 1);
        }
    }
}

} // namespace qb
