#pragma once
#include <array>
#include <string_view>

namespace qb {

// What a place name names: 14 kind codes. The name is the settings section
// of the kind's font and the key of its display flag; the text is its entry
// in the font dialog.
struct PlaceKind {
    std::string_view name;
    std::string_view text;
    int level;        // display level 1 .. 3
    int fontHeight;   // default character height
    int colourKind;   // 1 black, 2 purple, 3 blue, 4 dark red
    int shownAtFirst; // display flag of a first start
    int priority;     // rank in the label order, lower first
};

inline constexpr int kPlaceKindCount = 14;

enum PlaceKindCode {
    kPeak1 = 0, kPeak2, kPeak3, kRiver1, kRiver2, kRiver3, kRidge1, kRidge2, kRidge3,
    kFall, kPond, kStructure, kPass, kEtc,
};

inline constexpr std::array<PlaceKind, kPlaceKindCount> kPlaceKinds = {{
    {"Peak1", "ピーク 第一水準", 1, -13, 1, 1, 0},
    {"Peak2", "ピーク 第二水準", 2, -12, 1, 0, 1},
    {"Peak3", "ピーク 第三水準", 3, -11, 1, 0, 4},
    {"River1", "川､谷、沢、ルンゼ 第一水準", 1, -13, 3, 1, 2},
    {"River2", "川、谷、沢、ルンゼ 第二水準", 2, -12, 3, 0, 5},
    {"River3", "川、谷、沢、ルンゼ 第三水準", 3, -11, 3, 0, 11},
    {"Ridge1", "尾根、稜、リッジ、壁　第一水準", 1, -13, 2, 1, 3},
    {"Ridge2", "尾根、稜、リッジ、壁　第二水準", 2, -12, 2, 0, 6},
    {"Ridge3", "尾根、稜、リッジ、壁　第三水準", 3, -11, 2, 0, 12},
    {"Fall", "滝", 2, -12, 3, 0, 7},
    {"Pond", "池、湖", 2, -12, 3, 0, 8},
    {"Structure", "建物", 2, -12, 4, 0, 10},
    {"Pass", "峠", 2, -12, 2, 0, 9},
    {"Etc", "その他", 2, -12, 4, 0, 13},
}};

inline bool IsPlaceKind(int code)
{
    return code >= 0 && code < kPlaceKindCount;
}

} // namespace qb
