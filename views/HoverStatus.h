#pragma once
#include <optional>
#include <string>

namespace qb {

// An angle in degrees split into whole degrees, minutes and seconds.
struct Dms {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    bool operator==(const Dms&) const = default;
};

// Seconds are rounded; 60 seconds carry into the minutes and 60 minutes into
// the degrees. A value that is not a number gives 0° 0' 0".
Dms ToDms(double degrees);

// The status-bar text while the pointer is over the grid: the height (or
// that the point has no data), the latitude and longitude of the point and
// the contour interval.
std::string FormatHoverStatus(std::optional<double> height, double latitude, double longitude, int interval);

} // namespace qb
