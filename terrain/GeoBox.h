#pragma once

namespace qb {

// A geographic box in decimal degrees. The application's red and blue boxes
// keep their longitudes negated, as the web map expects.
struct GeoBox {
    double south = 0.0;
    double north = 0.0;
    double west = 0.0;
    double east = 0.0;
};

} // namespace qb
