#pragma once
#include <array>
#include <string_view>

namespace qb {

// The layers the map page offers, by the names its layer control posts and
// changeLayerFromCpp takes. The first is the one a first start shows.
inline constexpr std::array<std::string_view, 4> kMapLayers = {"GSI Standard", "GSI Pale", "GSI Photo",
                                                               "Offline"};
inline constexpr std::string_view kDefaultMapLayer = kMapLayers[0];

// Whether the page has a layer of that name (compared exactly).
bool IsMapLayer(std::string_view name);

} // namespace qb
