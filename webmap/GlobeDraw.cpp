#include "webmap/GlobeDraw.h"

#include "platform/Cp932.h"
#include "views/LabelPlacement.h"
#include "webmap/MeshCells.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace qb {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr int kDiscPoints = 361;
constexpr int kEllipsePoints = 24;
// Below this radius factor the major rivers are left out.
constexpr double kMajorRiverMinFactor = 5.0;

bool IsArea(int type) { return type == 0 || type == 1 || type == 2 || type == 5 || type == 7; }
bool IsLine(int type) { return type == 3 || type == 4 || type == 6; }
bool IsName(int type) { return type >= 100 && type <= 211; }

// The window point of a globe point; far-side points are moved onto the rim
// along the ray from the centre. The quadrant is that of the offset.
struct RimPoint {
    DrawPoint point;
    bool front = false;
    int quadrant = 0;
};

RimPoint ToRim(const CGlobeProjector& projector, double radius, const GlobePoint& p)
{
    GlobeOffset offset = projector.Offset(p.lat, p.lon);
    RimPoint out;
    out.front = offset.front;
    out.quadrant = (offset.x < 0.0 ? 1 : 0) + (offset.y < 0.0 ? 2 : 0);
    if (!offset.front) {
        const double length = std::hypot(offset.x, offset.y);
        if (length > 0.0) {
            offset.x *= radius / length;
            offset.y *= radius / length;
        }
    }
    out.point = projector.Window(offset.x, offset.y);
    return out;
}

// The window points of a record, or none when it is not to be drawn: no
// point on the front side, or (for an area) far-side points in more than two
// quadrants around the centre, which would fold it across the disc.
std::optional<std::vector<DrawPoint>> VisiblePoints(const GlobeView& view, const GllRecord& record, bool area)
{
    std::vector<DrawPoint> points;
    points.reserve(record.points.size());
    bool anyFront = false;
    unsigned farQuadrants = 0;
    const CGlobeProjector projector(view);
    for (const GlobePoint& p : record.points) {
        const RimPoint rim = ToRim(projector, view.Radius(), p);
        anyFront = anyFront || rim.front;
        if (!rim.front)
            farQuadrants |= 1u << rim.quadrant;
        points.push_back(rim.point);
    }
    if (!anyFront || (area && std::popcount(farQuadrants) > 2))
        return std::nullopt;
    return points;
}

void Polyline(IDrawContext& dc, const std::vector<DrawPoint>& points, bool closed)
{
    if (points.empty())
        return;
    dc.MoveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        dc.LineTo(points[i].x, points[i].y);
    if (closed)
        dc.LineTo(points[0].x, points[0].y);
}

Colour AreaFill(const GlobeOptions& o, const GllRecord& r)
{
    const int level = std::clamp(r.subLevel, 0, 7);
    if (r.type == 1)
        return o.colPolar[level];
    return r.type == 2 ? o.colLake : o.colHeight[level];
}

void DrawArea(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene, const GllRecord& r)
{
    const auto points = VisiblePoints(view, r, true);
    if (!points || points->size() < 3)
        return;
    const Colour fill = AreaFill(*scene.options, r);
    // Height and polar layers above the lowest blend into each other.
    const bool ownOutline = ((r.type == 0 || r.type == 1) && r.subLevel > 0) || r.type == 7;
    dc.SelectPen(ownOutline ? fill : kBlack);
    if (scene.printer) {
        Polyline(dc, *points, true);
        return;
    }
    dc.SelectBrush(fill);
    dc.Polygon(*points);
}

void DrawLine(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene, const GllRecord& r)
{
    if (r.type == 3 && scene.printer)
        return;
    if (r.type == 4 && view.factor < kMajorRiverMinFactor)
        return;
    const auto points = VisiblePoints(view, r, false);
    if (!points)
        return;
    dc.SelectPen(r.type == 3 ? scene.options->colCountry : scene.options->colRiver);
    Polyline(dc, *points, false);
}

std::vector<DrawPoint> Ellipse(DrawPoint centre, int half)
{
    std::vector<DrawPoint> points;
    for (int i = 0; i < kEllipsePoints; ++i) {
        const double t = 2.0 * std::numbers::pi * i / kEllipsePoints;
        points.push_back({centre.x + static_cast<int>(std::lround(half * std::cos(t))),
                          centre.y + static_cast<int>(std::lround(half * std::sin(t)))});
    }
    return points;
}

std::vector<DrawPoint> Square(DrawPoint c, int half)
{
    return {{c.x - half, c.y - half}, {c.x + half, c.y - half}, {c.x + half, c.y + half}, {c.x - half, c.y + half}};
}

void Shape(IDrawContext& dc, const std::vector<DrawPoint>& points, Colour pen, Colour brush)
{
    dc.SelectPen(pen);
    dc.SelectBrush(brush);
    dc.Polygon(points);
}

// The marker of a capital (red) or city (white) by its sub-level: two
// squares, two ellipses, an ellipse inside a black one, or one ellipse.
void DrawMarker(IDrawContext& dc, DrawPoint at, const GllRecord& r, int half)
{
    const Colour colour = r.type == 102 ? kRed : kWhite;
    switch (std::clamp(r.subLevel, 0, 3)) {
    case 0:
        Shape(dc, Square(at, half * 2), kBlack, colour);
        Shape(dc, Square(at, half), kBlack, colour);
        break;
    case 1:
        Shape(dc, Ellipse(at, half * 2), kBlack, colour);
        Shape(dc, Ellipse(at, half), kBlack, colour);
        break;
    case 2:
        Shape(dc, Ellipse(at, half * 2), kBlack, kBlack);
        Shape(dc, Ellipse(at, half), colour, colour);
        break;
    default:
        Shape(dc, Ellipse(at, half), kBlack, colour);
        break;
    }
}

bool Intersects(const DrawRect& a, const DrawRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The names drawn so far in this drawing, which later names may not overlap.
using PlacedNames = std::vector<DrawRect>;

void DrawName(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene, const GllRecord& r,
              PlacedNames& placed)
{
    const ScreenPoint anchor = GlobeToScreen(view, r.anchor.lat, r.anchor.lon);
    const auto text = Utf8FromCp932(r.name);
    if (!anchor.front || !text || text->empty())
        return;
    const LabelFont& font = (*scene.fonts)[GlobeFontOfRecord(r.type, r.subLevel)];
    FontSpec spec = FontSpecOf(font);
    spec.height = font.height * dc.DpiY() / 96;
    dc.SelectFont(spec);
    const TextExtent extent = dc.MeasureText(*text);
    const DrawPoint at = anchor.point;
    const DrawRect rect{at.x, at.y, at.x + extent.averageCharWidth * static_cast<int>(r.name.size()),
                        at.y + extent.height};
    const bool inside = rect.left >= 0 && rect.top >= 0 && rect.right <= view.width && rect.bottom <= view.height;
    if (!inside || std::any_of(placed.begin(), placed.end(), [&](const DrawRect& p) { return Intersects(p, rect); }))
        return;
    placed.push_back(rect);
    if (r.type == 102 || r.type == 103)
        DrawMarker(dc, at, r, std::max(1, view.width / 600));
    dc.SetTextColour(font.colour);
    dc.TextOut(at.x, at.y, *text);
}

void DrawSea(IDrawContext& dc, const GlobeView& view, const GlobeOptions& o, bool printer)
{
    const double r = view.Radius();
    const DrawPoint c = view.Centre();
    const double farX = std::max(c.x, view.width - c.x);
    const double farY = std::max(c.y, view.height - c.y);
    if (!printer && farX * farX + farY * farY <= r * r) {
        dc.FillRect({0, 0, view.width, view.height}, o.colSea);
        return;
    }
    std::vector<DrawPoint> disc;
    for (int degree = 0; degree < kDiscPoints; ++degree) {
        const double t = degree * kGlobeRadiansPerDegree;
        disc.push_back({c.x + static_cast<int>(std::lround(r * std::cos(t))),
                        c.y + static_cast<int>(std::lround(r * std::sin(t)))});
    }
    if (printer) {
        dc.SelectPen(kBlack);
        Polyline(dc, disc, false);
        return;
    }
    dc.SelectPen(o.colSea);
    dc.SelectBrush(o.colSea);
    dc.Polygon(disc);
}

// Whether a segment lies wholly beyond one edge of the window, so that
// drawing it would show nothing.
bool BeyondOneEdge(DrawPoint a, DrawPoint b, const GlobeView& view)
{
    return (a.x < 0 && b.x < 0) || (a.y < 0 && b.y < 0) || (a.x > view.width && b.x > view.width) ||
           (a.y > view.height && b.y > view.height);
}

// A piece of a line, drawn when both its ends are on the front side.
void LinePiece(IDrawContext& dc, const GlobeView& view, const ScreenPoint& a, const ScreenPoint& b)
{
    if (a.front && b.front && !BeyondOneEdge(a.point, b.point, view)) {
        dc.MoveTo(a.point.x, a.point.y);
        dc.LineTo(b.point.x, b.point.y);
    }
}

// A line of the globe between two east-positive points, in pieces, each
// drawn only when both its ends are on the front side.
void GeoLine(IDrawContext& dc, const GlobeView& view, double lat1, double lon1, double lat2, double lon2, int pieces)
{
    ScreenPoint from = GlobeToScreen(view, lat1, -lon1);
    for (int i = 1; i <= pieces; ++i) {
        const double t = static_cast<double>(i) / pieces;
        const ScreenPoint to = GlobeToScreen(view, lat1 + (lat2 - lat1) * t, -(lon1 + (lon2 - lon1) * t));
        LinePiece(dc, view, from, to);
        from = to;
    }
}

void GeoBoxOutline(IDrawContext& dc, const GlobeView& view, const GeoBox& b, int pieces)
{
    GeoLine(dc, view, b.north, b.west, b.north, b.east, pieces);
    GeoLine(dc, view, b.north, b.east, b.south, b.east, pieces);
    GeoLine(dc, view, b.south, b.east, b.south, b.west, pieces);
    GeoLine(dc, view, b.south, b.west, b.north, b.west, pieces);
}

// The running values of a grid direction, kept in single precision as the
// web map's grid keeps them.
std::vector<double> GridValues(double first, double last, double step)
{
    std::vector<double> values;
    const auto fstep = static_cast<float>(step);
    for (auto v = static_cast<float>(first); v <= last + step / 2; v += fstep)
        values.push_back(v);
    return values;
}

// The meridians and parallels of the cells, each crossing projected once and
// the lines drawn between neighbouring crossings.
void DrawMeshGrid(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene)
{
    const GeoBox bounds = GlobeGridBounds(scene.dataKind);
    const MeshSteps steps = MeshStepsOfSourceKind(scene.dataKind);
    const std::vector<double> lons = GridValues(bounds.west, bounds.east, steps.lon);
    const std::vector<double> lats = GridValues(bounds.south, bounds.north, steps.lat);
    std::vector<ScreenPoint> crossings;
    crossings.reserve(lons.size() * lats.size());
    const CGlobeProjector projector(view);
    for (const double lat : lats)
        for (const double lon : lons) {
            const GlobeOffset offset = projector.Offset(lat, -lon);
            crossings.push_back({projector.Window(offset.x, offset.y), offset.front});
        }
    const auto at = [&](std::size_t row, std::size_t col) -> const ScreenPoint& {
        return crossings[row * lons.size() + col];
    };
    dc.SelectPen(scene.options->colLLLine);
    for (std::size_t col = 0; col < lons.size(); ++col)
        for (std::size_t row = 0; row + 1 < lats.size(); ++row)
            LinePiece(dc, view, at(row, col), at(row + 1, col));
    for (std::size_t row = 0; row < lats.size(); ++row)
        for (std::size_t col = 0; col + 1 < lons.size(); ++col)
            LinePiece(dc, view, at(row, col), at(row, col + 1));
}

bool Contains(const GeoBox& outer, const GeoBox& inner)
{
    return inner.south >= outer.south && inner.north <= outer.north && inner.west >= outer.west &&
           inner.east <= outer.east;
}

void DrawStoredCells(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene)
{
    const GeoBox bounds = GlobeGridBounds(scene.dataKind);
    bool penChosen = false;
    for (const GeoBox& cell : scene.storedCells) {
        if (!Contains(bounds, cell))
            continue;
        if (!penChosen)
            dc.SelectPen(kRed, 2);
        penChosen = true;
        GeoBoxOutline(dc, view, cell, 1);
    }
}

// The chosen box's edges follow the globe's curves in pieces of at most a degree.
void DrawChosenBox(IDrawContext& dc, const GlobeView& view, const GeoBox& box)
{
    const int pieces = std::clamp(static_cast<int>(std::ceil(std::abs(box.east - box.west))), 1, 360);
    dc.SetInvert(true);
    dc.SelectPen(kWhite, 3);
    GeoBoxOutline(dc, view, box, pieces);
    dc.SetInvert(false);
}

} // namespace

GeoBox GlobeGridBounds(int dataKind)
{
    switch (dataKind) {
    case 1: return {.south = 38.666, .north = 46.0, .west = 138.0, .east = 150.0};
    case 2: return {.south = 24.0, .north = 42.0, .west = 135.0, .east = 143.0};
    case 3: return {.south = 24.0, .north = 38.0, .west = 121.0, .east = 138.0};
    default: return {.south = 20.0, .north = 46.0, .west = 121.0, .east = 150.0};
    }
}

GlobeView GlobeViewOf(const GlobeOptions& options, int width, int height)
{
    return {.width = width, .height = height, .factor = options.RadiusFactor(), .angle = options.angle,
            .bent = options.bent};
}

void DrawGlobe(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene)
{
    dc.FillRect({0, 0, view.width, view.height}, scene.options->colBack);
    DrawSea(dc, view, *scene.options, scene.printer);
    PlacedNames placed;
    for (const GllRecord& record : *scene.records) {
        if (IsArea(record.type))
            DrawArea(dc, view, scene, record);
        else if (IsLine(record.type))
            DrawLine(dc, view, scene, record);
        else if (IsName(record.type))
            DrawName(dc, view, scene, record, placed);
    }
    DrawMeshGrid(dc, view, scene);
    DrawStoredCells(dc, view, scene);
    if (scene.chosenBox)
        DrawChosenBox(dc, view, *scene.chosenBox);
}

} // namespace qb
