#pragma once
#include "platform/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Where the user schemes, the editor's preset kind and the rendering view's
// scheme number are kept in the settings store.
inline constexpr std::string_view kUserColorSection = "USER_COLOR";
inline constexpr std::string_view kUserColorDefSection = "USER_COLOR_DEF";
inline constexpr std::string_view kColorSection = "Color";

// The key of stored scheme n: "Color000", "Color001", ...
std::string SchemeKey(int index);

// The number of stored schemes ("nCount"); a negative stored count reads as 0.
int ReadSchemeCount(ISettingsStore& store);
void WriteSchemeCount(ISettingsStore& store, int count);
// The selected user scheme ("nIndex"), as stored.
int ReadSelectedScheme(ISettingsStore& store);
void WriteSelectedScheme(ISettingsStore& store, int index);

std::string ReadSchemeText(ISettingsStore& store, int index);
void WriteSchemeText(ISettingsStore& store, int index, std::string_view text);
// The texts of the counted schemes, in storage order.
std::vector<std::string> ReadSchemeTexts(ISettingsStore& store);

// Removes scheme `index` of the counted ones: the later texts move down one
// key each, the count drops by one and the selection becomes index + 1, or 0
// when that is not below the new count. The old last key keeps its text,
// uncounted. False when `index` is not a counted scheme.
bool DeleteScheme(ISettingsStore& store, int index);

// The kind the editor presets for a new scheme ("USER_COLOR_DEF" "Kind");
// a stored value that is not a kind reads as the slope kind.
int ReadDefaultKind(ISettingsStore& store);
void WriteDefaultKind(ISettingsStore& store, int kind);

// The rendering view's scheme number ("Color" "ColorV20"); a stored value
// that is not a scheme number reads as the default scheme.
int ReadColorSchemeNumber(ISettingsStore& store);
void WriteColorSchemeNumber(ISettingsStore& store, int scheme);

} // namespace qb
