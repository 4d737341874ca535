#include "webmap/GlobeProjection.h"

#include <algorithm>
#include <cmath>

namespace qb {

double GlobeView::Radius() const { return std::min(width / 2, height / 2) * factor; }

// The tilt by "Bent" is a rotation of (l, h) in their plane: with
// M = atan2(h, l) and m = M - B, sqrt(l^2 + h^2) sin m = h cos B - l sin B and
// sqrt(l^2 + h^2) cos m = l cos B + h sin B, whose sign is that of cos m.
CGlobeProjector::CGlobeProjector(const GlobeView& view)
    : m_radius(view.Radius())
    , m_angle(view.angle * kGlobeRadiansPerDegree)
    , m_sinBent(std::sin(view.bent * kGlobeRadiansPerDegree))
    , m_cosBent(std::cos(view.bent * kGlobeRadiansPerDegree))
    , m_centre(view.Centre())
{
}

GlobeOffset CGlobeProjector::Offset(double lat, double negatedLon) const
{
    const double phi = lat * kGlobeRadiansPerDegree;
    const double turned = negatedLon * kGlobeRadiansPerDegree + m_angle;
    const double rCosPhi = m_radius * std::cos(phi);
    const double x = rCosPhi * std::sin(turned);
    const double l = rCosPhi * std::cos(turned);
    const double h = m_radius * std::sin(phi);
    return {x, h * m_cosBent - l * m_sinBent, l * m_cosBent + h * m_sinBent >= 0.0};
}

namespace {

// Far beyond any window, yet inside an int with the centre added; a value
// that is no number (from a radius factor beyond any use) counts as the centre.
constexpr double kFarestOffset = 1.0e9;

int RoundedOffset(double v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::trunc(std::clamp(v, -kFarestOffset, kFarestOffset) + 0.5));
}

} // namespace

DrawPoint CGlobeProjector::Window(double x, double y) const
{
    return {RoundedOffset(x) + m_centre.x, RoundedOffset(y) + m_centre.y};
}

GlobeOffset ProjectGlobe(const GlobeView& view, double lat, double negatedLon)
{
    return CGlobeProjector(view).Offset(lat, negatedLon);
}

DrawPoint ScreenOfOffset(const GlobeView& view, double x, double y)
{
    return CGlobeProjector(view).Window(x, y);
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
