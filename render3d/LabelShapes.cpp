#include "render3d/LabelShapes.h"

#include "render3d/Angles.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr double kSin60 = 0.866;

// Pole height, text size and pole side in metres.
struct LabelSizes {
    double pole, text, side;
};

LabelSizes SizesFor(const TerrainMesh& mesh, bool coarseGrid)
{
    const double s = std::sqrt(mesh.columns * mesh.colSpacing * (mesh.rows * mesh.rowSpacing));
    if (coarseGrid)
        return {s / 10, s / 10, s / 600};
    return {s / 30, s / 20, s / 1200};
}

struct Scaler {
    float scale;
    Vec3 operator()(double x, double y, double z) const
    {
        return {static_cast<float>(x * scale), static_cast<float>(y * scale), static_cast<float>(z * scale)};
    }
};

// A triangular prism on the point, as one strip round its three sides.
std::array<SceneVertex, 8> Pole(const Vec3& at, const LabelSizes& size, const Scaler& model)
{
    const double x = at[0], y = at[1], z = at[2], c = size.side, p = size.pole;
    const std::array<std::array<double, 2>, 4> corners = {{{x, y}, {x + c, y}, {x + c / 2, y + kSin60 * c}, {x, y}}};
    const std::array<Vec3, 4> normals = {{{-0.866f, -0.5f, 0}, {0.866f, -0.5f, 0}, {0, 1, 0}, {-0.866f, -0.5f, 0}}};
    std::array<SceneVertex, 8> pole{};
    for (int i = 0; i < 4; ++i) {
        pole[2 * i] = {model(corners[i][0], corners[i][1], z), normals[i], kWhite};
        pole[2 * i + 1] = {model(corners[i][0], corners[i][1], z + p), normals[i], kWhite};
    }
    return pole;
}

Vec3 QuadNormal(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& towardsCamera)
{
    const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    Vec3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    const float facing = n[0] * towardsCamera[0] + n[1] * towardsCamera[1] + n[2] * towardsCamera[2];
    const float k = length > 0 ? (facing < 0 ? -1 : 1) / length : 0;
    return {n[0] * k, n[1] * k, n[2] * k};
}

// The name's quad on top of the pole, across the line of sight and leaning
// back with the camera's elevation.
std::array<SceneVertex, 4> Quad(const LabelPlace& place, const LabelSizes& size, const Scaler& model,
                                const Vec3& offset)
{
    const double alpha = std::atan2(offset[1], offset[0]);
    const double beta = std::atan2(offset[2], std::hypot(offset[0], offset[1])) + kPi / 2;
    const double h = size.text / 5, w = place.characters * size.text / 6 * 0.5;
    const double d = std::fabs(std::cos(beta) * h);
    const double ex = std::cos(alpha + kPi) * d, ey = std::sin(alpha + kPi) * d, rise = h * std::sin(beta);
    const double x = place.metres[0], y = place.metres[1], top = place.metres[2] + size.pole;
    const double lx = x + w * std::cos(alpha + kPi / 2), ly = y + w * std::sin(alpha + kPi / 2);
    const double rx = x + w * std::cos(alpha - kPi / 2), ry = y + w * std::sin(alpha - kPi / 2);
    std::array<SceneVertex, 4> quad{};
    quad[0] = {model(lx, ly, top), {}, kWhite, 0, 1};
    quad[1] = {model(rx, ry, top), {}, kWhite, 1, 1};
    quad[2] = {model(lx + ex, ly + ey, top + rise), {}, kWhite, 0, 0};
    quad[3] = {model(rx + ex, ry + ey, top + rise), {}, kWhite, 1, 0};
    const Vec3 normal = QuadNormal(quad[0].position, quad[1].position, quad[2].position, offset);
    for (SceneVertex& v : quad)
        v.normal = normal;
    return quad;
}

} // namespace

std::vector<LabelShape> MakeLabelShapes(std::span<const LabelPlace> places, const TerrainMesh& mesh,
                                        bool coarseGrid, const Vec3& cameraOffset)
{
    const LabelSizes size = SizesFor(mesh, coarseGrid);
    const Scaler model{mesh.scale};
    std::vector<LabelShape> shapes;
    const int count = std::min<int>(static_cast<int>(places.size()), kMaxRenderLabels);
    for (int i = 0; i < count; ++i)
        shapes.push_back({Pole(places[i].metres, size, model), Quad(places[i], size, model, cameraOffset), i});
    return shapes;
}

} // namespace qb
