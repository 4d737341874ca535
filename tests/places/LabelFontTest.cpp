#include "places/LabelFont.h"

#include "platform/Cp932.h"
#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(LabelFont, DefaultsFollowLevelAndColourKind)
{
    struct Case { int level; int colourKind; std::int32_t height; std::uint32_t colour; };
    for (const Case c : {Case{1, 1, -13, 0x000000}, Case{2, 2, -12, 0x800080},
                         Case{3, 3, -11, 0xFF0000}, Case{0, 4, -11, 0x000080},
                         Case{7, 0, -11, 0x000080}}) {
        CMemorySettingsStore store;
        LabelFont font;
        ReadFontSetting(store, "Peak1", font, c.level, c.colourKind);
        EXPECT_EQ(font.height, c.height) << c.level;
        EXPECT_EQ(font.colour, c.colour) << c.colourKind;
        EXPECT_EQ(font.weight, 400);
        EXPECT_EQ(font.charSet, 128);
        EXPECT_EQ(font.outPrecision, 3);
        EXPECT_EQ(font.clipPrecision, 2);
        EXPECT_EQ(font.quality, 1);
        EXPECT_EQ(font.pitchAndFamily, 17);
        EXPECT_EQ(font.italic + font.underline + font.strikeOut + font.width, 0);
        EXPECT_EQ(font.faceName, kDefaultFaceName);
        EXPECT_EQ(store.WriteCount(), 0);
    }
}

TEST(LabelFont, WrittenFontReadsBackUnderItsOwnSection)
{
    CMemorySettingsStore store;
    LabelFont font;
    font.height = -20; font.width = 7; font.escapement = 900; font.orientation = 450;
    font.weight = 700; font.italic = 1; font.underline = 1; font.strikeOut = 1;
    font.charSet = 0; font.outPrecision = 4; font.clipPrecision = 1; font.quality = 5;
    font.pitchAndFamily = 34; font.faceName = "Noto Sans CJK JP"; font.colour = 0x00123456;
    WriteFontSetting(store, "River2", font);
    EXPECT_EQ(store.GetSettingInt("River2", "FontColor", 0), 0x00123456);
    EXPECT_EQ(store.GetSettingInt("River2", "StrikeOut", 0), 1);

    LabelFont back;
    ReadFontSetting(store, "River2", back, 1, 1);
    EXPECT_EQ(std::tie(back.height, back.width, back.escapement, back.orientation, back.weight),
              std::tie(font.height, font.width, font.escapement, font.orientation, font.weight));
    EXPECT_EQ(std::tie(back.italic, back.underline, back.strikeOut, back.charSet),
              std::tie(font.italic, font.underline, font.strikeOut, font.charSet));
    EXPECT_EQ(std::tie(back.outPrecision, back.clipPrecision, back.quality, back.pitchAndFamily),
              std::tie(font.outPrecision, font.clipPrecision, font.quality, font.pitchAndFamily));
    EXPECT_EQ(back.faceName, font.faceName);
    EXPECT_EQ(back.colour, font.colour);

    LabelFont other;
    ReadFontSetting(store, "River3", other, 3, 3);
    EXPECT_EQ(other.height, -11);
}

TEST(LabelFont, FaceNameKeepsAtMost31BytesWithoutSplittingACharacter)
{
    const std::string sixteenWide = "あいうえおかきくけこさしすせそた";   // 32 bytes in code page 932
    CMemorySettingsStore store;
    store.WriteSettingString("Etc", "FaceName", sixteenWide);
    LabelFont font;
    ReadFontSetting(store, "Etc", font, 2, 4);
    EXPECT_EQ(font.faceName, "あいうえおかきくけこさしすせそ");
    EXPECT_EQ(Cp932FromUtf8(font.faceName)->size(), 30u);

    font.faceName = "A" + sixteenWide;
    WriteFontSetting(store, "Etc", font);
    EXPECT_EQ(store.GetSettingString("Etc", "FaceName", ""), "Aあいうえおかきくけこさしすせそ");
}

} // namespace
} // namespace qb
