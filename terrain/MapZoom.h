#pragma once

#include "terrain/GeoBox.h"

namespace qb {

class ISettingsStore;

// The web map's zoom level that shows an area of the given size in square
// degrees: 6 for more than 3, one level more for each step down to 18.
int MapZoomForArea(double squareDegrees);

// Where the web map opens to show a box (east-positive): its centre and
// the zoom for its size, kept in the settings section "GlobeObj".
struct MapCentre {
    double lat = 0.0;
    double lon = 0.0;
    int zoom = 0;
};
MapCentre MapCentreOf(const GeoBox& box);
void WriteMapCentre(ISettingsStore& settings, const MapCentre& centre);

} // namespace qb
