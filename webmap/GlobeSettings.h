#pragma once
#include "platform/SettingsStore.h"

#include <string>

namespace qb {

// Where the web map was last left: its centre, zoom and layer, kept in the
// settings section "GlobeObj" (numbers as "%lg" text).
struct MapPlace {
    double lat = 35.0;
    double lon = 135.0;
    double zoom = 9.0;
};

inline constexpr std::string_view kGlobeSection = "GlobeObj";

MapPlace ReadMapPlace(ISettingsStore& settings);
void WriteMapPlace(ISettingsStore& settings, const MapPlace& place);
// The stored layer when the page has it, else the default layer.
std::string ReadMapLayer(ISettingsStore& settings);
// Stores a layer the page has; false, storing nothing, for any other name.
bool WriteMapLayer(ISettingsStore& settings, std::string_view layer);

// The centre with its latitude clamped into -90 .. 90 and its longitude into -180 .. 180.
MapPlace ClampedMapPlace(MapPlace place);

// "%lg" without the process locale: six significant digits, no trailing zeros.
std::string FormatShortReal(double value);

} // namespace qb
