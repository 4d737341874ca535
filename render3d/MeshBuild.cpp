#include "render3d/MeshBuild.h"

#include "render3d/BlockJobs.h"
#include "render3d/BlockNormals.h"
#include "render3d/MeshWalls.h"
#include "render3d/VertexColours.h"

#include <algorithm>
#include <new>

namespace qb {
namespace {

// The larger horizontal side of the model is this many units long.
constexpr double kModelSide = 20.0;
// The bar: the vertex pass takes its first fifth, the normals the rest.
constexpr std::int64_t kBarSteps = 1000, kVertexPassSteps = 200;

struct Extremes {
    float lowest = 0, highest = 0;
    double sum = 0;
};

Extremes ExtremesOf(std::span<const float> heights)
{
    Extremes e;
    const auto [low, high] = std::minmax_element(heights.begin(), heights.end());
    e.lowest = *low;
    e.highest = *high;
    for (float h : heights)
        e.sum += h;
    return e;
}

bool HasSomethingToShow(const MeshInput& in)
{
    const std::int64_t points = std::int64_t(in.columns) * in.rows;
    if (in.columns <= 0 || in.rows <= 0 || std::int64_t(in.heights.size()) < points)
        return false;
    return in.columns * in.colSpacing > 0 || in.rows * in.rowSpacing > 0;
}

void LayOutBlocks(const MeshInput& in, TerrainMesh& mesh)
{
    mesh.layout = PlanBlocks(in.columns, in.rows);
    const int n = mesh.layout.blocksPerSide;
    mesh.blocks.resize(mesh.layout.BlockCount());
    for (int by = 0; by < n; ++by) {
        for (int bx = 0; bx < n; ++bx)
            mesh.blocks[std::size_t(by) * n + bx].span = SpanOfBlock(mesh.layout, in.columns, bx, by);
    }
}

bool AnyTriangle(const TerrainMesh& mesh)
{
    return std::any_of(mesh.blocks.begin(), mesh.blocks.end(), [](const TerrainBlock& b) { return b.span.HasTriangles(); });
}

// Sizes a block to its vertices and writes their heights and colours; a
// block without a triangle holds nothing.
bool FillBlock(TerrainBlock& block, const MeshInput& in, const VertexColours& colours, float scale)
{
    const BlockSpan& s = block.span;
    if (!s.HasTriangles())
        return true;
    try {
        block.vertices.resize(std::size_t(s.Vertices()));
    } catch (const std::bad_alloc&) {
        return false;
    }
    TerrainVertex* v = block.vertices.data();
    for (int row = s.firstRow; row < s.firstRow + s.rows; ++row) {
        const float* heights = in.heights.data() + std::size_t(row) * in.columns;
        for (int column = s.firstCol; column < s.firstCol + s.cols; ++column, ++v) {
            v->z = heights[column] * scale;
            v->argb = colours.At(column, row);
        }
    }
    return true;
}

void SetCameraStart(const MeshInput& in, const Extremes& e, TerrainMesh& mesh)
{
    const double points = double(in.columns) * in.rows;
    mesh.target = {static_cast<float>(in.columns * in.colSpacing * mesh.scale / 2),
                   static_cast<float>(in.rows * in.rowSpacing * mesh.scale / 2),
                   static_cast<float>(e.sum / points * mesh.scale)};
    mesh.extent = {2 * mesh.target[0], 2 * mesh.target[1]};
}

bool BuildBlocks(const MeshInput& in, const Extremes& e, IProgress* progress, TerrainMesh& mesh)
{
    const VertexColours colours(in, e.lowest, e.highest);
    const int count = static_cast<int>(mesh.blocks.size());
    const auto fill = [&](int b) { return FillBlock(mesh.blocks[b], in, colours, mesh.scale); };
    if (!RunBlockJobs(count, fill, {progress, 0, kVertexPassSteps, kBarSteps}))
        return false;
    const auto normals = [&](int b) {
        SetBlockNormals(mesh.blocks[b], mesh.colStep, mesh.rowStep);
        return true;
    };
    return RunBlockJobs(count, normals, {progress, kVertexPassSteps, kBarSteps, kBarSteps});
}

} // namespace

int BuildMesh(const MeshInput& in, IProgress* progress, TerrainMesh& out)
{
    out = TerrainMesh{};
    if (!HasSomethingToShow(in))
        return 0;
    TerrainMesh& mesh = out;
    mesh.columns = in.columns;
    mesh.rows = in.rows;
    mesh.colSpacing = in.colSpacing;
    mesh.rowSpacing = in.rowSpacing;
    mesh.scale = static_cast<float>(kModelSide / std::max(in.columns * in.colSpacing, in.rows * in.rowSpacing));
    mesh.colStep = static_cast<float>(in.colSpacing * mesh.scale);
    mesh.rowStep = static_cast<float>(in.rowSpacing * mesh.scale);
    LayOutBlocks(in, mesh);
    const Extremes e = ExtremesOf(in.heights.first(std::size_t(in.columns) * in.rows));
    if (!AnyTriangle(mesh) || !BuildBlocks(in, e, progress, mesh)) {
        out = TerrainMesh{};
        return 0;
    }
    BuildWalls(in, mesh.layout.rowsUsed, mesh.scale, mesh);
    SetCameraStart(in, e, mesh);
    return 1;
}

} // namespace qb
