#include "render3d/TerrainMesh.h"

#include <algorithm>

namespace qb {
namespace {

constexpr float kNormalUnit = 511.0f;

std::uint32_t PackComponent(float c)
{
    // Written so that a component that is not a number packs as -1, not as
    // whatever its conversion to an integer would give.
    const float scaled = (c >= -1.0f ? std::min(c, 1.0f) : -1.0f) * kNormalUnit;
    // Rounded half away from zero without a library call: this runs once a vertex.
    const auto value = static_cast<std::int32_t>(scaled + (scaled >= 0 ? 0.5f : -0.5f));
    return static_cast<std::uint32_t>(value) & 0x3FFu;
}

float UnpackComponent(std::uint32_t bits)
{
    const std::int32_t field = static_cast<std::int32_t>(bits & 0x3FFu);
    const std::int32_t value = field >= 512 ? field - 1024 : field;
    return static_cast<float>(value) / kNormalUnit;
}

} // namespace

std::uint32_t PackNormal(const Vec3& n)
{
    return PackComponent(n[0]) | PackComponent(n[1]) << 10 | PackComponent(n[2]) << 20;
}

Vec3 UnpackNormal(std::uint32_t packed)
{
    return {UnpackComponent(packed), UnpackComponent(packed >> 10), UnpackComponent(packed >> 20)};
}

std::int64_t TerrainMesh::VertexCount() const
{
    std::int64_t count = 0;
    for (const TerrainBlock& block : blocks)
        count += static_cast<std::int64_t>(block.vertices.size());
    return count;
}

std::int64_t TerrainMesh::TriangleCount() const
{
    std::int64_t count = 0;
    for (const TerrainBlock& block : blocks) {
        if (!block.vertices.empty() && block.span.HasTriangles())
            count += 2 * std::int64_t(block.span.cols - 1) * (block.span.rows - 1);
    }
    return count;
}

Vec3 TerrainMesh::PositionOf(const TerrainBlock& block, int i) const
{
    const int column = block.span.firstCol + i % block.span.cols;
    const int row = block.span.firstRow + i / block.span.cols;
    return {static_cast<float>(column) * colStep, static_cast<float>(row) * rowStep, block.vertices[i].z};
}

} // namespace qb
