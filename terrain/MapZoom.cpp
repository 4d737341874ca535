#include "terrain/MapZoom.h"

#include "platform/SettingsStore.h"

#include <cmath>

namespace qb {

int MapZoomForArea(double squareDegrees)
{
    static constexpr double kThresholds[] = {3, 1, 0.3, 0.1, 0.03, 0.01, 0.003,
                                             0.001, 0.0003, 0.0001, 0.00003, 0.00001};
    int zoom = 6;
    for (const double threshold : kThresholds) {
        if (squareDegrees > threshold)
            return zoom;
        ++zoom;
    }
    return zoom;
}

MapCentre MapCentreOf(const GeoBox& box)
{
    return MapCentre{.lat = (box.north + box.south) * 0.5,
                     .lon = (box.west + box.east) * 0.5,
                     .zoom = MapZoomForArea(std::fabs(box.east - box.west) * std::fabs(box.north - box.south))};
}

void WriteMapCentre(ISettingsStore& settings, const MapCentre& centre)
{
    WriteSettingReal(settings, "GlobeObj", "MapCenterLat", centre.lat);
    WriteSettingReal(settings, "GlobeObj", "MapCenterLon", centre.lon);
    WriteSettingReal(settings, "GlobeObj", "MapZoom", centre.zoom);
}

} // namespace qb
