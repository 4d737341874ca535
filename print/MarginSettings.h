#pragma once
#include "platform/SettingsStore.h"

#include <array>
#include <cstdint>

namespace qb {

// Print margins in 1/1440 inch.
struct MarginRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const MarginRect&) const = default;
};

// The units the margin dialog shows.
inline constexpr int kMarginCentimetres = 0;
inline constexpr int kMarginInches = 1;

// The four margins in the order left, top, right, bottom.
inline constexpr int kLeftMargin = 0;
inline constexpr int kTopMargin = 1;
inline constexpr int kRightMargin = 2;
inline constexpr int kBottomMargin = 3;
using MarginValues = std::array<std::int32_t, 4>;

MarginValues ValuesOf(const MarginRect& margins);
MarginRect RectOf(const MarginValues& values);

// Reads the "Margin" section: "left", "top", "right", "bottom" and "units", 0 by default.
void LoadMarginSettings(ISettingsStore& store, MarginRect& margins, int& units);
// Writes "top", "bottom", "left", "right", then "units".
void SaveMarginSettings(ISettingsStore& store, const MarginRect& margins, int units);

} // namespace qb
