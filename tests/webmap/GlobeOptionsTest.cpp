#include "webmap/GlobeFonts.h"
#include "webmap/GlobeOptions.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(GlobeOptions, WithoutStoredSettingsTheGlobeFacesJapanMagnifiedFiftyTimes)
{
    CMemorySettingsStore settings;
    const GlobeOptions options = ReadGlobeOptions(settings);
    EXPECT_EQ(options.angle, 318.0);
    EXPECT_EQ(options.bent, 144.0);
    for (double factor : options.radTimes)
        EXPECT_EQ(factor, 50.0);
    EXPECT_EQ(options.colSea, 0xF7D78Cu);
    EXPECT_EQ(options.colHeight[7], 0x405F71u);
    EXPECT_EQ(options.mouseMode, 0);
}

TEST(GlobeOptions, ARadiusFactorOfZeroOrBelowOrNoNumberTakesItsDefault)
{
    CMemorySettingsStore settings;
    settings.WriteSettingString("GlobeObj", "RadTimes0", "0");
    settings.WriteSettingString("GlobeObj", "RadTimes1", "-3.5");
    settings.WriteSettingString("GlobeObj", "RadTimes2", "many");
    settings.WriteSettingString("GlobeObj", "RadTimes3", "120.5");
    settings.WriteSettingString("GlobeObj", "Angle", "many");
    const GlobeOptions options = ReadGlobeOptions(settings);
    EXPECT_EQ(options.radTimes[0], 50.0);
    EXPECT_EQ(options.radTimes[1], 50.0);
    EXPECT_EQ(options.radTimes[2], 50.0);
    EXPECT_EQ(options.radTimes[3], 120.5);
    EXPECT_EQ(options.angle, 0.0);  // no number reads as 0
}

TEST(GlobeOptions, TheViewIsWrittenInEightPlacesWithThreeDecimalsAndTheFactorsWithSix)
{
    CMemorySettingsStore settings;
    GlobeOptions options;
    options.angle = 320.12345;
    options.latMem = -5.5;
    options.radTimes[4] = 64.5;
    options.zoomIndex = 4;
    options.bLake = 0;
    WriteGlobeView(settings, options);
    WriteGlobeRest(settings, options);
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "Angle", ""), " 320.123");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "LatMem", ""), "  -5.500");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "RadTimes4", ""), "64.500000");
    const GlobeOptions back = ReadGlobeOptions(settings);
    EXPECT_EQ(back.zoomIndex, 4);
    EXPECT_EQ(back.bLake, 0);
    EXPECT_EQ(back.RadiusFactor(), 64.5);
    EXPECT_NEAR(back.angle, 320.123, 1e-9);
}

TEST(GlobeOptions, ZoomStopsAtSixAndThreeHundred)
{
    GlobeOptions options;
    options.radTimes[0] = 7.0;
    ZoomGlobeOut(options);
    EXPECT_EQ(options.radTimes[0], 6.0);
    options.radTimes[0] = 250.0;
    ZoomGlobeIn(options);
    EXPECT_EQ(options.radTimes[0], 300.0);
    options.radTimes[0] = 13.0;
    ZoomGlobeOut(options);
    EXPECT_DOUBLE_EQ(options.radTimes[0], 10.0);
}

TEST(GlobeOptions, ATurnStepIsThirtyDegreesOverTheFactor)
{
    GlobeOptions options;
    options.radTimes[0] = 60.0;
    TurnGlobe(options, 1, 0);
    EXPECT_DOUBLE_EQ(options.angle, 318.5);
    TurnGlobe(options, 0, -1);
    EXPECT_DOUBLE_EQ(options.bent, 143.5);
}

TEST(GlobeOptions, TheViewIsClampedToFaceJapan)
{
    struct Case {
        double angle, bent, angleAfter, bentAfter;
    };
    for (const Case c : {Case{-40, 144, -40, 144}, Case{10, 100, 303, 134}, Case{340, 200, 331, 156},
                         Case{-400, 144, -400, 144}, Case{-350, 144, 303, 144}, Case{318, 144, 318, 144}}) {
        GlobeOptions options;
        options.angle = c.angle;
        options.bent = c.bent;
        ClampGlobeView(options);
        EXPECT_DOUBLE_EQ(options.angle, c.angleAfter) << c.angle;
        EXPECT_DOUBLE_EQ(options.bent, c.bentAfter) << c.bent;
    }
}

TEST(GlobeFonts, TheTwentyThreeFontsHaveTheirSectionsAndStyleDefaults)
{
    CMemorySettingsStore settings;
    settings.WriteSettingInt("FontCit2", "FontColor", 0x123456);
    GlobeFonts fonts;
    ReadGlobeFonts(settings, fonts);
    EXPECT_EQ(GlobeFontSection(0), "FontCou0");
    EXPECT_EQ(GlobeFontSection(5), "FontCap3");
    EXPECT_EQ(GlobeFontSection(22), "FontLL1");
    EXPECT_EQ(fonts[0].height, -12);
    EXPECT_EQ(fonts[0].weight, 700);
    EXPECT_EQ(fonts[1].weight, 400);
    EXPECT_EQ(fonts[4].height, -11);
    EXPECT_EQ(fonts[0].colour, 0x800000u);
    EXPECT_EQ(fonts[8].colour, 0x123456u);
    EXPECT_EQ(fonts[0].faceName, kDefaultFaceName);
    WriteGlobeFonts(settings, fonts);
    EXPECT_EQ(settings.GetSettingInt("FontMra0", "Weight", 0), 700);
    EXPECT_EQ(settings.GetSettingInt("FontPro1", "Height", 0), -12);
}

TEST(GlobeFonts, NameRecordsTakeTheFontOfTheirTypeAndSubLevel)
{
    EXPECT_EQ(GlobeFontOfRecord(100, 0), 0);
    EXPECT_EQ(GlobeFontOfRecord(101, 0), 1);
    EXPECT_EQ(GlobeFontOfRecord(102, 3), 5);
    EXPECT_EQ(GlobeFontOfRecord(103, 1), 7);
    EXPECT_EQ(GlobeFontOfRecord(103, 9), 9);
    EXPECT_EQ(GlobeFontOfRecord(205, 0), 15);
    EXPECT_EQ(GlobeFontOfRecord(211, 0), 21);
    EXPECT_EQ(GlobeFontOfRecord(150, 0), 0);
}

} // namespace
} // namespace qb
