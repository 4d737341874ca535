#include "webmap/GlobeMouse.h"

#include "webmap/MeshCells.h"

#include <cmath>
#include <cstdio>

namespace qb {
namespace {

struct Sexagesimal {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

// Rounding the seconds carries 60 seconds into a minute and 60 minutes into a degree.
Sexagesimal SexagesimalOf(double value)
{
    const long total = std::lround(std::abs(value) * 3600.0);
    return {static_cast<int>(total / 3600), static_cast<int>(total / 60 % 60), static_cast<int>(total % 60)};
}

} // namespace

std::string GlobeStatusText(double lat, double eastLon)
{
    if (!std::isfinite(lat) || !std::isfinite(eastLon) || std::abs(lat) > 90.0 || std::abs(eastLon) > 360.0)
        return {};
    const Sexagesimal a = SexagesimalOf(lat);
    const Sexagesimal o = SexagesimalOf(eastLon);
    char text[96];
    std::snprintf(text, sizeof text, "%s:%03d %02d %02d %s:%03d %02d %02d", lat < 0.0 ? "南緯" : "北緯", a.degrees,
                  a.minutes, a.seconds, eastLon < 0.0 ? "西経" : "東経", o.degrees, o.minutes, o.seconds);
    return text;
}

void CGlobeMouse::Press(const GlobeView& view, DrawPoint point, const GlobeOptions& options)
{
    m_bDragging = true;
    m_mode = options.mouseMode;
    m_start = point;
    m_startAngle = options.angle;
    m_startBent = options.bent;
    m_corner = ScreenToGlobe(view, point);
    m_box.reset();
}

bool CGlobeMouse::Move(const GlobeView& view, DrawPoint point, GlobeOptions& options, int dataKind)
{
    if (!m_bDragging)
        return false;
    const double r = view.Radius();
    if (m_mode == 0) {
        if (r <= 0.0)
            return false;
        // The globe turns with the pointer: a drag across the radius turns it a radian.
        options.angle = m_startAngle + (point.x - m_start.x) / r * kGlobeDegreesPerRadian;
        options.bent = m_startBent - (point.y - m_start.y) / r * kGlobeDegreesPerRadian;
        return true;
    }
    const auto corner = ScreenToGlobe(view, point);
    if (!m_corner || !corner)
        return false;
    const MeshSteps steps = MeshStepsOfSourceKind(dataKind);
    m_box = BoxOfCorners(SnapToStep(m_corner->lat, steps.lat), SnapToStep(-m_corner->negatedLon, steps.lon),
                         SnapToStep(corner->lat, steps.lat), SnapToStep(-corner->negatedLon, steps.lon));
    return true;
}

std::optional<GeoBox> CGlobeMouse::Release(const GlobeView& view, DrawPoint point, GlobeOptions& options, int dataKind)
{
    Move(view, point, options, dataKind);
    m_bDragging = false;
    std::optional<GeoBox> box = std::move(m_box);
    m_box.reset();
    if (m_mode != 1 || !box || box->north <= box->south || box->east <= box->west)
        return std::nullopt;
    return box;
}

} // namespace qb
