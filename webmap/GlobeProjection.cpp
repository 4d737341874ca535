#include "webmap/GlobeProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qb {

double GlobeView::Radius() const { return std::min(width / 2, height / 2) * factor; }

GlobeOffset ProjectGlobe(const GlobeView& view, double lat, double negatedLon)
{
    const double r = view.Radius();
    const double phi = lat * kGlobeRadiansPerDegree;
    const double turned = negatedLon * kGlobeRadiansPerDegree + view.angle * kGlobeRadiansPerDegree;
    const double x = r * std::cos(phi) * std::sin(turned);
    const double l = r * std::cos(phi) * std::cos(turned);
    const double h = r * std::sin(phi);
    double m = l != 0.0 ? std::atan(h / l) : (h < 0.0 ? -std::numbers::pi / 2 : std::numbers::pi / 2);
    if (l < 0.0)
        m += h > 0.0 ? std::numbers::pi : -std::numbers::pi;
    m -= view.bent * kGlobeRadiansPerDegree;
    return {x, std::sqrt(l * l + h * h) * std::sin(m), std::cos(m) >= 0.0};
}

DrawPoint ScreenOfOffset(const GlobeView& view, double x, double y)
{
    const DrawPoint c = view.Centre();
    return {static_cast<int>(std::trunc(x + 0.5)) + c.x, static_cast<int>(std::trunc(y + 0.5)) + c.y};
}

ScreenPoint GlobeToScreen(const GlobeView& view, double lat, double negatedLon)
{
    const GlobeOffset offset = ProjectGlobe(view, lat, negatedLon);
    return {ScreenOfOffset(view, offset.x, offset.y), offset.front};
}

std::optional<GlobeLatLon> ScreenToGlobe(const GlobeView& view, DrawPoint point)
{
    const double r = view.Radius();
    const DrawPoint c = view.Centre();
    const double x = point.x - c.x;
    const double y = point.y - c.y;
    if (r <= 0.0 || x * x + y * y > r * r)
        return std::nullopt;
    // The depth towards the viewer, then the tilt undone.
    const double z = std::sqrt(std::max(0.0, r * r - x * x - y * y));
    const double b = view.bent * kGlobeRadiansPerDegree;
    const double l = z * std::cos(b) - y * std::sin(b);
    const double h = y * std::cos(b) + z * std::sin(b);
    GlobeLatLon found;
    found.lat = std::asin(std::clamp(h / r, -1.0, 1.0)) * kGlobeDegreesPerRadian;
    double lon = (std::atan2(x, l) - view.angle * kGlobeRadiansPerDegree) * kGlobeDegreesPerRadian;
    if (lon < -180.0)
        lon += 360.0;
    else if (lon > 180.0)
        lon -= 360.0;
    found.negatedLon = std::abs(lon) > 360.0 ? 0.0 : lon;
    return found;
}

} // namespace qb
