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

// The smallest box holding both (east-positive longitudes).
inline GeoBox Union(const GeoBox& a, const GeoBox& b)
{
    return GeoBox{.south = a.south < b.south ? a.south : b.south,
                  .north = a.north > b.north ? a.north : b.north,
                  .west = a.west < b.west ? a.west : b.west,
                  .east = a.east > b.east ? a.east : b.east};
}

} // namespace qb
