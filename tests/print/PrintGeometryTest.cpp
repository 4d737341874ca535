#include "print/PrintArea.h"
#include "print/PrintFont.h"

#include "tests/colour/PixelCanvas.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::CPixelCanvas;

TEST(MarginRectOnPage, WithoutMarginsIsThePrintableArea)
{
    const CPixelCanvas printer(1, 1, 600, 600);
    const DrawRect page{30, 40, 4900, 7000};
    EXPECT_EQ(GetMarginRect(printer, page, MarginRect{}), page);
}

TEST(MarginRectOnPage, EachMarginUsesItsAxissResolutionAndRoundsToTheNearestPixel)
{
    const CPixelCanvas printer(1, 1, 600, 300);
    const DrawRect page{10, 20, 5000, 3500};
    // 1 inch at 600 dpi; 100/1440 inch at 300 dpi = 20.83; 1 at 600 dpi = 0.42; 1200 at 300 dpi = 250.
    EXPECT_EQ(GetMarginRect(printer, page, MarginRect{1440, 100, 1, 1200}),
              (DrawRect{10 + 600, 20 + 21, 5000 - 0, 3500 - 250}));
    // Half a pixel rounds up: 720/1440 inch at 3 dpi = 1.5 pixels.
    const CPixelCanvas coarse(1, 1, 3, 3);
    EXPECT_EQ(GetMarginRect(coarse, page, MarginRect{720, 720, 720, 720}), (DrawRect{12, 22, 4998, 3498}));
}

TEST(LabelFontForDevice, ScalesByTheVerticalResolutionAndSelectsByCharacterHeight)
{
    LabelFont font;
    font.height = -13;
    font.width = 7;
    font.weight = 700;
    font.faceName = "ＭＳ ゴシック";
    font.colour = 0x800080;

    const CPixelCanvas printer(1, 1, 300, 600);
    LabelFont scaled = ScaleFontHeight(&printer, font);
    EXPECT_EQ(scaled.height, -81) << "13 × 600 / 96 = 81.25, truncated";
    scaled.height = font.height;
    EXPECT_EQ(scaled.width, 7);
    EXPECT_EQ(scaled.weight, 700);
    EXPECT_EQ(scaled.faceName, font.faceName);
    EXPECT_EQ(scaled.colour, font.colour);

    font.height = 13;
    EXPECT_EQ(ScaleFontHeight(&printer, font).height, -81) << "the stored sign does not matter";
    const CPixelCanvas screen(1, 1, 96, 96);
    EXPECT_EQ(ScaleFontHeight(&screen, font).height, -13);
}

TEST(LabelFontForDevice, WithoutADeviceOrResolutionIsThreeTimesTheMagnitude)
{
    LabelFont font;
    font.height = -12;
    EXPECT_EQ(ScaleFontHeight(nullptr, font).height, 36);
    const CPixelCanvas broken(1, 1, 0, 0);
    EXPECT_EQ(ScaleFontHeight(&broken, font).height, 36);
    font.height = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ScaleFontHeight(nullptr, font).height, std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace qb
