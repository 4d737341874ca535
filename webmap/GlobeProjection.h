#pragma once
#include "platform/DrawContext.h"

#include <optional>

namespace qb {

// Degrees to radians and back, as the globe has always converted them.
inline constexpr double kGlobeRadiansPerDegree = 0.0174533;
inline constexpr double kGlobeDegreesPerRadian = 57.2957914;

// The orthographic view of the globe in a window: the disc of radius
// R = min(width / 2, height / 2) x factor about the window's centre, turned
// by "Angle" about the polar axis and tilted by "Bent". Longitudes are
// negated (east negative) throughout, as in the data file.
struct GlobeView {
    int width = 0;
    int height = 0;
    double factor = 50.0;
    double angle = 318.0;  // degrees
    double bent = 144.0;   // degrees

    double Radius() const;
    DrawPoint Centre() const { return {width / 2, height / 2}; }
};

// A point of the globe relative to the window's centre, before rounding.
struct GlobeOffset {
    double x = 0.0;
    double y = 0.0;
    bool front = false;  // on the side of the globe facing the viewer
};
GlobeOffset ProjectGlobe(const GlobeView& view, double lat, double negatedLon);

// The projection of one view with its constants worked out once, for drawing many points.
class CGlobeProjector {
public:
    explicit CGlobeProjector(const GlobeView& view);
    GlobeOffset Offset(double lat, double negatedLon) const;
    DrawPoint Window(double x, double y) const;

private:
    double m_radius;
    double m_angle;  // radians
    double m_sinBent;
    double m_cosBent;
    DrawPoint m_centre;
};

// The window point of a latitude and negated longitude, and whether it lies on the front side.
struct ScreenPoint {
    DrawPoint point;
    bool front = false;
};
ScreenPoint GlobeToScreen(const GlobeView& view, double lat, double negatedLon);
// Rounds an offset to the window point as the projection does.
DrawPoint ScreenOfOffset(const GlobeView& view, double x, double y);

// The front-side point of the globe under a window point: latitude and
// negated longitude (brought into -180 .. 180); none outside the disc.
struct GlobeLatLon {
    double lat = 0.0;
    double negatedLon = 0.0;
};
std::optional<GlobeLatLon> ScreenToGlobe(const GlobeView& view, DrawPoint point);

} // namespace qb
