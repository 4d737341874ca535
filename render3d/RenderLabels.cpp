#include "render3d/RenderLabels.h"

#include "places/LabelSettings.h"
#include "places/PlaceRecord.h"
#include "render3d/Angles.h"

#include <cmath>

namespace qb {
namespace {

constexpr std::uint32_t kLabelWhite = 0xFFFFFFFF;
constexpr float kSin60 = 0.866f;
// Grids coarser than this get taller poles and larger names.
constexpr int kCoarseGridSpacing = 10;

bool IsInside(const PlaceRecord& record, const GridRange& range)
{
    return record.col >= range.colFirst && record.col <= range.colLast && record.row >= range.rowFirst &&
           record.row <= range.rowLast;
}

struct LabelSizes {
    double pole = 0, text = 0, side = 0; // metres
};

LabelSizes SizesOf(const LabelScale& scale)
{
    const double s = std::sqrt(scale.widthMetres * scale.heightMetres);
    if (scale.gridSpacing > kCoarseGridSpacing)
        return {s / 10, s / 10, s / 600};
    return {s / 30, s / 20, s / 1200};
}

SceneVertex Vertex(double x, double y, double z, float scale, const Vec3& normal, float u = 0, float v = 0)
{
    return SceneVertex{{float(x) * scale, float(y) * scale, float(z) * scale}, normal, kLabelWhite, u, v};
}

// A triangular prism standing on the label point, as one strip.
std::array<SceneVertex, 8> Pole(const RenderLabel& l, const LabelSizes& size, float scale)
{
    const Vec3 left{-kSin60, -0.5f, 0}, right{kSin60, -0.5f, 0}, back{0, 1, 0};
    const double p = size.pole, c = size.side;
    const double bx = l.x + c / 2, by = l.y + kSin60 * c;
    return {Vertex(l.x, l.y, l.z, scale, left),         Vertex(l.x, l.y, l.z + p, scale, left),
            Vertex(l.x + c, l.y, l.z, scale, right),    Vertex(l.x + c, l.y, l.z + p, scale, right),
            Vertex(bx, by, l.z, scale, back),           Vertex(bx, by, l.z + p, scale, back),
            Vertex(l.x, l.y, l.z, scale, left),         Vertex(l.x, l.y, l.z + p, scale, left)};
}

Vec3 PlaneNormal(const SceneVertex& a, const SceneVertex& b, const SceneVertex& c)
{
    const Vec3 u{b.position[0] - a.position[0], b.position[1] - a.position[1], b.position[2] - a.position[2]};
    const Vec3 v{c.position[0] - a.position[0], c.position[1] - a.position[1], c.position[2] - a.position[2]};
    Vec3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0)
        n = {n[0] / length, n[1] / length, n[2] / length};
    return n;
}

// The name's quad on top of the pole, turned across the line of sight.
std::array<SceneVertex, 4> Quad(const RenderLabel& l, const LabelSizes& size, const Vec3& offset, float scale)
{
    const double alpha = std::atan2(offset[1], offset[0]);
    const double beta = std::atan2(offset[2], std::hypot(offset[0], offset[1])) + kPi / 2;
    const double h = size.text / 5;
    const double w = double(l.name.size()) * size.text / 6 * 0.5;
    const double d = std::fabs(std::cos(beta) * h);
    const double ex = std::cos(alpha + kPi) * d, ey = std::sin(alpha + kPi) * d;
    const double a = h * std::sin(beta);
    const double z = l.z + size.pole;
    const double lx = l.x + w * std::cos(alpha + kPi / 2), ly = l.y + w * std::sin(alpha + kPi / 2);
    const double rx = l.x + w * std::cos(alpha - kPi / 2), ry = l.y + w * std::sin(alpha - kPi / 2);
    std::array<SceneVertex, 4> quad = {Vertex(lx, ly, z, scale, {}, 0, 1), Vertex(rx, ry, z, scale, {}, 1, 1),
                                       Vertex(lx + ex, ly + ey, z + a, scale, {}, 0, 0),
                                       Vertex(rx + ex, ry + ey, z + a, scale, {}, 1, 0)};
    const Vec3 normal = PlaneNormal(quad[0], quad[1], quad[2]);
    for (SceneVertex& vertex : quad)
        vertex.normal = normal;
    return quad;
}

} // namespace

std::vector<RenderLabel> ChooseRenderLabels(PlaceRecord* records, int count, const GridRange& range,
                                            double colSpacing, double rowSpacing, double exaggeration,
                                            LabelViewState& view)
{
    std::vector<RenderLabel> labels;
    if (!records || count <= 0)
        return labels;
    SortLabels(count, records, view);
    for (int i = 0; i < count && static_cast<int>(labels.size()) < kMaxRenderLabels; ++i) {
        const PlaceRecord& record = records[i];
        if (!IsInside(record, range) || !IsLabelShown(view, record.kind))
            continue;
        ++view.drawnCount;
        labels.push_back(RenderLabel{std::round((record.col - range.colFirst) * colSpacing),
                                     std::round((record.row - range.rowFirst) * rowSpacing),
                                     record.height * exaggeration, record.kind, std::string(record.Name())});
    }
    return labels;
}

LabelScale LabelScaleOf(const TerrainMesh& mesh, int gridSpacing)
{
    return LabelScale{mesh.columns * mesh.colSpacing, mesh.rows * mesh.rowSpacing, gridSpacing, mesh.scale};
}

std::vector<LabelShape> LabelShapesOf(const std::vector<RenderLabel>& labels, const RenderCamera& camera,
                                      const LabelScale& scale)
{
    const LabelSizes size = SizesOf(scale);
    const Vec3 offset = camera.CameraOffset();
    std::vector<LabelShape> shapes;
    shapes.reserve(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i)
        shapes.push_back(LabelShape{Pole(labels[i], size, scale.scale), Quad(labels[i], size, offset, scale.scale),
                                    static_cast<int>(i)});
    return shapes;
}

} // namespace qb
