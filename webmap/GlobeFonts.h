#pragma once
#include "places/LabelFont.h"
#include "platform/SettingsStore.h"

#include <array>
#include <string>

namespace qb {

// The globe's label fonts: countries, states, capitals and cities by
// sub-level, the kinds of other names, and the latitude/longitude texts.
inline constexpr int kGlobeFontCount = 23;
using GlobeFonts = std::array<LabelFont, kGlobeFontCount>;
inline constexpr int kLatLonTextFont = 22;

// The settings section of a font ("FontCap2", "FontLL1", ...).
std::string GlobeFontSection(int index);
// The default of a font: the place-name font defaults with the height and
// weight of its style and its own colour.
LabelFont DefaultGlobeFont(int index);

void ReadGlobeFonts(ISettingsStore& settings, GlobeFonts& fonts);
void WriteGlobeFonts(ISettingsStore& settings, const GlobeFonts& fonts);

// The font of a name record of the type and sub-level; the countries' font
// for any type without its own.
int GlobeFontOfRecord(int type, int subLevel);

} // namespace qb
