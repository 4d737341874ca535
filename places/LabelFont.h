#pragma once
#include "platform/SettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// The label font of one place-name kind: the fields of a logical font
// description followed by the text colour.
struct LabelFont {
    std::int32_t height = -11;   // negative: character height without internal leading
    std::int32_t width = 0;
    std::int32_t escapement = 0; // tenths of a degree
    std::int32_t orientation = 0;
    std::int32_t weight = 400;   // 0 to 1000
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 128;  // Shift-JIS
    std::uint8_t outPrecision = 3;
    std::uint8_t clipPrecision = 2;
    std::uint8_t quality = 1;
    std::uint8_t pitchAndFamily = 17;
    std::string faceName;        // UTF-8; its code page 932 form is at most kFaceNameBytes
    std::uint32_t colour = 0;    // 0x00BBGGRR
};

// Bytes of the face name kept (the record's field holds 31 and a terminating zero).
inline constexpr std::size_t kFaceNameBytes = 31;
inline constexpr std::string_view kDefaultFaceName = "ＭＳ ゴシック";

// Default character height of a display level (1, 2, other).
std::int32_t DefaultFontHeight(int level);
// Default colour of a colour kind: 1 black, 2 purple, 3 blue, other dark red.
std::uint32_t DefaultFontColour(int colourKind);

// Reads one label font from its section; missing keys take the defaults of
// the level and the colour kind.
void ReadFontSetting(ISettingsStore& store, std::string_view section, LabelFont& font,
                     int level, int colourKind);
// Reads one label font from its section; missing keys take those of defaults.
void ReadFontSetting(ISettingsStore& store, std::string_view section, LabelFont& font,
                     const LabelFont& defaults);
// Writes every field of the font to its section.
void WriteFontSetting(ISettingsStore& store, std::string_view section, const LabelFont& font);

} // namespace qb
