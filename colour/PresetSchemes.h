#pragma once
#include "colour/ColourBlock.h"

#include <array>
#include <string_view>

namespace qb {

inline constexpr int kSchemeCount = 8;
inline constexpr int kUserScheme = 7;
// The scheme a fresh rendering view starts with.
inline constexpr int kDefaultScheme = 5;

// The captions of the eight scheme buttons, in scheme-number order.
inline constexpr std::array<std::string_view, kSchemeCount> kSchemeButtonTexts = {
    "緑(&G)",        "白(&W)",        "春の色彩(&P)", "夏の色彩(&S)",
    "秋の色彩(&F)",  "夏の色彩(&M)",  "冬の色彩(&I)", "ユーザ定義(&U)",
};

// The slope tables of schemes 5 and 6, gentlest first.
inline constexpr std::array<Colour, kColourSlotCount> kSummerSlopeColours = {
    0x86F807, 0x64FF64, 0x00DF70, 0x00C400, 0x008C00, 0x537E88, 0x31646F, 0x254952,
};
inline constexpr std::array<Colour, kColourSlotCount> kWinterSlopeColours = {
    0xFFFF80, 0xFFFFFF, 0xE3E3E3, 0xC8C8C8, 0xABABAB, 0x537E88, 0x31646F, 0x254952,
};

inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kWhite = 0xFFFFFF;

// Sets the mode and the colours of preset scheme 0 to 6; false, with the
// block unchanged, for any other number.
bool GetPresetScheme(int scheme, ColourBlock& block);

} // namespace qb
