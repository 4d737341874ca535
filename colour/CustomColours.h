#pragma once
#include "platform/DrawContext.h"
#include "platform/SettingsStore.h"

#include <array>

namespace qb {

// The 16 custom colours that the colour picker offers and may change; kept
// in "USER_COLOR" "custom00" to "custom15", white by default.
inline constexpr int kCustomColourCount = 16;
using CustomColours = std::array<Colour, kCustomColourCount>;

CustomColours LoadCustomColours(ISettingsStore& store);
void SaveCustomColours(ISettingsStore& store, const CustomColours& colours);

} // namespace qb
