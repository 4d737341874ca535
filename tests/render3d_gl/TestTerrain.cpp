#include "tests/render3d_gl/TestTerrain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qb::test {
namespace {

constexpr int kPoints = 41;
constexpr float kStep = 0.5f;

Vec3 Unit(const Vec3& v)
{
    const float s = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return Vec3{v[0] / s, v[1] / s, v[2] / s};
}

bool InPond(float x, float y)
{
    return x >= 2 && x <= 7 && y >= 4 && y <= 16;
}

Vec3 NormalAt(float x)
{
    if (x > 8 && x < 14)
        return kRisingNormal;
    if (x > 14)
        return kFallingNormal;
    return kFlatNormal;
}

TerrainBlock MakeBlock(const BlockSpan& span)
{
    TerrainBlock block{span, {}};
    for (int i = 0; i < span.cols * span.rows; ++i) {
        const float x = float(span.firstCol + i % span.cols) * kStep;
        const float y = float(span.firstRow + i / span.cols) * kStep;
        const bool pond = InPond(x, y);
        block.vertices.push_back(
            TerrainVertex{TestHeight(x, y), PackNormal(NormalAt(x)), pond ? kPondColour : kLandColour});
    }
    return block;
}

// A strip along points (x0, y0) + t (dx, dy), t = 0 ... 40, each at its
// height and at 0.
std::vector<SceneVertex> Wall(float x0, float y0, float dx, float dy, const Vec3& normal)
{
    std::vector<SceneVertex> strip;
    for (int t = 0; t < kPoints; ++t) {
        const float x = x0 + dx * float(t), y = y0 + dy * float(t);
        strip.push_back(SceneVertex{{x, y, TestHeight(x, y)}, normal, kWallColour, 0, 0});
        strip.push_back(SceneVertex{{x, y, 0}, normal, kWallColour, 0, 0});
    }
    return strip;
}

} // namespace

const Vec3 kRisingNormal = Unit({-0.5f, 0, 1});
const Vec3 kFallingNormal = Unit({0.5f, 0, 1});

float TestHeight(float x, float y)
{
    if (InPond(x, y))
        return 0;
    if (x > 8 && x <= 14)
        return 2 + (x - 8) * 0.5f;
    if (x > 14)
        return 2 + (20 - x) * 0.5f;
    return 2;
}

TerrainMesh MakeTestTerrain()
{
    TerrainMesh mesh;
    mesh.columns = mesh.rows = kPoints;
    mesh.colSpacing = mesh.rowSpacing = 10;
    mesh.scale = kStep / 10;
    mesh.colStep = mesh.rowStep = kStep;
    mesh.layout = PlanBlocks(kPoints, kPoints);
    for (int by = 0; by < mesh.layout.blocksPerSide; ++by)
        for (int bx = 0; bx < mesh.layout.blocksPerSide; ++bx)
            mesh.blocks.push_back(MakeBlock(SpanOfBlock(mesh.layout, kPoints, bx, by)));
    mesh.walls[kWallFirstRow] = Wall(0, 0, kStep, 0, {0, -1, 0});
    mesh.walls[kWallLastRow] = Wall(20, 20, -kStep, 0, {0, 1, 0});
    mesh.walls[kWallFirstColumn] = Wall(0, 0, 0, kStep, {-1, 0, 0});
    mesh.walls[kWallLastColumn] = Wall(20, 0, 0, kStep, {1, 0, 0});
    mesh.target = {10, 10, 2};
    mesh.extent = {20, 20};
    return mesh;
}

std::uint32_t LitColour(std::uint32_t argb, const Vec3& normal, const Vec3& light)
{
    const Vec3 to = Unit({-light[0], -light[1], -light[2]});
    const float diffuse = std::max(0.0f, normal[0] * to[0] + normal[1] * to[1] + normal[2] * to[2]);
    std::uint32_t lit = argb & 0xFF000000u;
    for (int shift : {16, 8, 0}) {
        const float channel = kMaterialEmissive + float((argb >> shift) & 0xFF) / 255.0f * diffuse;
        lit |= std::uint32_t(std::lround(std::min(1.0f, channel) * 255.0f)) << shift;
    }
    return lit;
}

bool PixelOf(const RenderFrame& frame, const Vec3& point, int& px, int& py)
{
    const float v[4] = {point[0], point[1], point[2], 1};
    float eye[4] = {}, clip[4] = {};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k)
            eye[c] += v[k] * frame.view[k * 4 + c];
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k)
            clip[c] += eye[k] * frame.projection[k * 4 + c];
    if (clip[3] <= 0)
        return false;
    px = int(std::floor((clip[0] / clip[3] + 1) / 2 * float(frame.width)));
    py = int(std::floor((1 - clip[1] / clip[3]) / 2 * float(frame.height)));
    return true;
}

bool Near(std::uint32_t a, std::uint32_t b)
{
    constexpr int tolerance = 2;
    for (int shift : {24, 16, 8, 0})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

} // namespace qb::test
