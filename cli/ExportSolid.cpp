#include "cli/ExportSolid.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr std::uint32_t kWallArgb = 0xFF800000;

// The first point and the point count of the blocks along one axis.
struct AxisSpan {
    int first = 0, count = 0;
};

// Where column (or row) `point` lies in the blocks along one axis: its own
// block, and the block before it when it is that block's seam.
void FindPlaces(int point, int perBlock, const std::vector<AxisSpan>& spans, int& count, int* block, int* local)
{
    count = 0;
    const int own = perBlock > 0 ? point / perBlock : 0;
    for (int b = std::max(0, own - 1); b <= std::min<int>(own, int(spans.size()) - 1); ++b) {
        if (point >= spans[b].first && point < spans[b].first + spans[b].count) {
            block[count] = b;
            local[count] = point - spans[b].first;
            ++count;
        }
    }
}

Vec3 Normalized(Vec3 v)
{
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0)
        return {0, 0, 1};
    return {v[0] / length, v[1] / length, v[2] / length};
}

} // namespace

CExportSolid::CExportSolid(const TerrainMesh& mesh)
    : m_mesh(mesh), m_columns(mesh.columns), m_rows(mesh.layout.rowsUsed)
{
    PlaceAxes(mesh);
    const float lowest = LowestHeight();
    m_base = lowest > 0 ? 0.0f : lowest - 1.0f;
    BuildSides();
}

void CExportSolid::PlaceAxes(const TerrainMesh& mesh)
{
    const int n = mesh.layout.blocksPerSide;
    std::vector<AxisSpan> cols(static_cast<std::size_t>(n));
    std::vector<AxisSpan> rows(static_cast<std::size_t>(n));
    for (int b = 0; b < n && !mesh.blocks.empty(); ++b) {
        const BlockSpan& across = mesh.blocks[std::size_t(b)].span;
        const BlockSpan& down = mesh.blocks[std::size_t(b) * n].span;
        cols[std::size_t(b)] = {across.firstCol, across.cols};
        rows[std::size_t(b)] = {down.firstRow, down.rows};
    }
    m_colPlaces.resize(std::size_t(m_columns));
    for (int c = 0; c < m_columns; ++c) {
        AxisPlaces& p = m_colPlaces[std::size_t(c)];
        FindPlaces(c, mesh.layout.blockCols, cols, p.count, p.block, p.local);
    }
    m_rowPlaces.resize(std::size_t(m_rows));
    for (int r = 0; r < m_rows; ++r) {
        AxisPlaces& p = m_rowPlaces[std::size_t(r)];
        FindPlaces(r, mesh.layout.blockRows, rows, p.count, p.block, p.local);
    }
}

float CExportSolid::LowestHeight() const
{
    float lowest = INFINITY;
    for (const TerrainBlock& block : m_mesh.blocks)
        for (const TerrainVertex& v : block.vertices)
            lowest = std::isfinite(v.z) ? std::min(lowest, v.z) : std::min(lowest, 0.0f);
    return std::isfinite(lowest) ? lowest / m_mesh.scale : 0.0f;
}

template <class F>
void CExportSolid::ForEachCopy(int column, int row, F f) const
{
    const AxisPlaces& across = m_colPlaces[std::size_t(column)];
    const AxisPlaces& down = m_rowPlaces[std::size_t(row)];
    for (int i = 0; i < down.count; ++i) {
        for (int j = 0; j < across.count; ++j) {
            const TerrainBlock& block =
                m_mesh.blocks[std::size_t(down.block[i]) * m_mesh.layout.blocksPerSide + across.block[j]];
            if (!block.vertices.empty())
                f(block.vertices[std::size_t(down.local[i]) * block.span.cols + across.local[j]]);
        }
    }
}

Vec3 CExportSolid::SurfacePosition(int column, int row) const
{
    float z = 0;
    bool found = false;
    ForEachCopy(column, row, [&](const TerrainVertex& v) {
        if (!found)
            z = v.z;
        found = true;
    });
    // A height that is not a number (a damaged file) stands at 0, so the file stays valid.
    return {static_cast<float>(column * m_mesh.colSpacing),
            static_cast<float>((m_rows - 1 - row) * m_mesh.rowSpacing), std::isfinite(z) ? z / m_mesh.scale : 0.0f};
}

SolidVertex CExportSolid::SurfaceVertex(int column, int row) const
{
    SolidVertex vertex;
    vertex.position = SurfacePosition(column, row);
    Vec3 sum{};
    bool found = false;
    ForEachCopy(column, row, [&](const TerrainVertex& v) {
        const Vec3 n = UnpackNormal(v.normal);
        // Rows run south in the blocks and y north here.
        sum = {sum[0] + n[0], sum[1] - n[1], sum[2] + n[2]};
        if (!found)
            vertex.argb = v.argb;
        found = true;
    });
    vertex.normal = Normalized(sum);
    return vertex;
}

void CExportSolid::BuildSides()
{
    if (m_columns < 2 || m_rows < 2)
        return;
    // The edge points counter-clockwise seen from above, from the south-west corner.
    std::vector<std::array<int, 2>> south, east, north, west;
    for (int c = 0; c < m_columns; ++c)
        south.push_back({c, m_rows - 1});
    for (int r = m_rows - 1; r >= 0; --r)
        east.push_back({m_columns - 1, r});
    for (int c = m_columns - 1; c >= 0; --c)
        north.push_back({c, 0});
    for (int r = 0; r < m_rows; ++r)
        west.push_back({0, r});
    AddWall(south, {0, -1, 0});
    AddWall(east, {1, 0, 0});
    AddWall(north, {0, 1, 0});
    AddWall(west, {-1, 0, 0});
    std::vector<std::array<int, 2>> ring;
    for (const auto* side : {&south, &east, &north, &west})
        ring.insert(ring.end(), side->begin(), side->end() - 1);
    AddBottom(ring);
}

// Walking along the edge with the outside on the right, each step is a quad
// from the surface down to the base.
void CExportSolid::AddWall(const std::vector<std::array<int, 2>>& edge, const Vec3& normal)
{
    const auto first = static_cast<std::uint32_t>(m_sideVertices.size());
    for (const auto& [column, row] : edge) {
        const Vec3 top = SurfacePosition(column, row);
        m_sideVertices.push_back({top, normal, kWallArgb});
        m_sideVertices.push_back({{top[0], top[1], m_base}, normal, kWallArgb});
    }
    for (std::uint32_t k = 0; k + 1 < edge.size(); ++k) {
        const std::uint32_t t = first + 2 * k, b = t + 1, tNext = t + 2, bNext = t + 3;
        m_sideTriangles.insert(m_sideTriangles.end(), {t, b, tNext, tNext, b, bNext});
    }
}

// A fan from the middle of the base to every edge point, facing down.
void CExportSolid::AddBottom(const std::vector<std::array<int, 2>>& ring)
{
    const Vec3 down{0, 0, -1};
    const auto centre = static_cast<std::uint32_t>(m_sideVertices.size());
    m_sideVertices.push_back({{static_cast<float>((m_columns - 1) * m_mesh.colSpacing / 2),
                               static_cast<float>((m_rows - 1) * m_mesh.rowSpacing / 2), m_base},
                              down, kWallArgb});
    for (const auto& [column, row] : ring) {
        const Vec3 top = SurfacePosition(column, row);
        m_sideVertices.push_back({{top[0], top[1], m_base}, down, kWallArgb});
    }
    const auto count = static_cast<std::uint32_t>(ring.size());
    for (std::uint32_t i = 0; i < count; ++i)
        m_sideTriangles.insert(m_sideTriangles.end(), {centre, centre + 1 + (i + 1) % count, centre + 1 + i});
}

} // namespace qb
