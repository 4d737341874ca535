#include "webmap/GlobeSettings.h"

#include "webmap/MapLayers.h"

#include <algorithm>
#include <charconv>

namespace qb {

std::string FormatShortReal(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
}

MapPlace ReadMapPlace(ISettingsStore& settings)
{
    MapPlace place;
    place.lat = GetSettingReal(settings, kGlobeSection, "MapCenterLat", "35");
    place.lon = GetSettingReal(settings, kGlobeSection, "MapCenterLon", "135");
    place.zoom = GetSettingReal(settings, kGlobeSection, "MapZoom", "9");
    return place;
}

void WriteMapPlace(ISettingsStore& settings, const MapPlace& place)
{
    settings.WriteSettingString(kGlobeSection, "MapCenterLat", FormatShortReal(place.lat));
    settings.WriteSettingString(kGlobeSection, "MapCenterLon", FormatShortReal(place.lon));
    settings.WriteSettingString(kGlobeSection, "MapZoom", FormatShortReal(place.zoom));
}

std::string ReadMapLayer(ISettingsStore& settings)
{
    std::string layer = settings.GetSettingString(kGlobeSection, "LayerName", kDefaultMapLayer);
    return IsMapLayer(layer) ? layer : std::string(kDefaultMapLayer);
}

bool WriteMapLayer(ISettingsStore& settings, std::string_view layer)
{
    return IsMapLayer(layer) && settings.WriteSettingString(kGlobeSection, "LayerName", layer);
}

MapPlace ClampedMapPlace(MapPlace place)
{
    place.lat = std::clamp(place.lat, -90.0, 90.0);
    place.lon = std::clamp(place.lon, -180.0, 180.0);
    return place;
}

} // namespace qb
