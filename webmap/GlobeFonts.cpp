#include "webmap/GlobeFonts.h"

#include <algorithm>

namespace qb {
namespace {

struct FontRow {
    const char* stem;
    int style;
    std::uint32_t colour;
};

constexpr FontRow kFontRows[kGlobeFontCount] = {
    {"FontCou", 0, 0x800000}, {"FontSta", 1, 0x00FFFF}, {"FontCap", 0, 0x0000FF}, {"FontCap", 1, 0x0000FF},
    {"FontCap", 2, 0x0000FF}, {"FontCap", 3, 0x0000FF}, {"FontCit", 0, 0x000000}, {"FontCit", 1, 0x000000},
    {"FontCit", 2, 0x000000}, {"FontCit", 3, 0x000000}, {"FontIsl", 1, 0x008000}, {"FontRiv", 1, 0xFF0000},
    {"FontBay", 1, 0xFF0000}, {"FontSea", 0, 0xFF0000}, {"FontLak", 1, 0xFF0000}, {"FontMou", 1, 0x800080},
    {"FontMra", 0, 0xFF00FF}, {"FontDes", 0, 0x00FFFF}, {"FontStr", 1, 0xFF0000}, {"FontHil", 0, 0x00FFFF},
    {"FontPen", 1, 0x800080}, {"FontPro", 1, 0xFF00FF}, {"FontLL", 1, 0xFF0000},
};

} // namespace

std::string GlobeFontSection(int index)
{
    const FontRow& row = kFontRows[index];
    return std::string(row.stem) + std::to_string(row.style);
}

LabelFont DefaultGlobeFont(int index)
{
    const FontRow& row = kFontRows[index];
    LabelFont font;
    font.faceName = kDefaultFaceName;
    font.height = row.style <= 1 ? -12 : -11;
    font.weight = row.style == 0 ? 700 : 400;
    font.colour = row.colour;
    return font;
}

void ReadGlobeFonts(ISettingsStore& settings, GlobeFonts& fonts)
{
    for (int i = 0; i < kGlobeFontCount; ++i)
        ReadFontSetting(settings, GlobeFontSection(i), fonts[i], DefaultGlobeFont(i));
}

void WriteGlobeFonts(ISettingsStore& settings, const GlobeFonts& fonts)
{
    for (int i = 0; i < kGlobeFontCount; ++i)
        WriteFontSetting(settings, GlobeFontSection(i), fonts[i]);
}

int GlobeFontOfRecord(int type, int subLevel)
{
    const int level = std::clamp(subLevel, 0, 3);
    switch (type) {
    case 101: return 1;
    case 102: return 2 + level;
    case 103: return 6 + level;
    default: return type >= 200 && type <= 211 ? 10 + (type - 200) : 0;
    }
}

} // namespace qb
