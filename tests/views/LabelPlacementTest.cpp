#include "views/LabelPlacement.h"

#include "places/PlaceRecord.h"
#include "tests/support/RecordingDrawContext.h"

#include <gtest/gtest.h>

#include <string>

namespace qb {
namespace {

using test::CRecordingDrawContext;

// The recording context measures 10 pixels per character on average and
// the absolute font height; every kind here has a 20-pixel font.
constexpr int kHeight = 20;
constexpr int kCharWidth = CRecordingDrawContext::kCharWidth;
constexpr Colour kPeakColour = Rgb(1, 2, 3);
// "富士山" in code page 932: six bytes for three characters.
constexpr std::string_view kFujiCp932 = "\x95\x78\x8E\x6D\x8E\x52";

CLabelPlacement::Fonts TestFonts()
{
    CLabelPlacement::Fonts fonts{};
    for (LabelFont& font : fonts) {
        font.faceName = "ＭＳ ゴシック";
        font.height = -kHeight;
    }
    fonts[0].colour = kPeakColour;
    fonts[0].weight = 700;
    return fonts;
}

PlaceRecord Named(std::string_view cp932, int kind = 0)
{
    PlaceRecord record;
    record.kind = kind;
    record.SetName(cp932);
    return record;
}

// A label of four characters: 40 x 20 pixels.
const PlaceRecord kFour = Named("ABCD");

class LabelPlacementTest : public ::testing::Test {
protected:
    void SetUp() override { placement.Reset(DrawRect{0, 0, 400, 300}); }

    bool Place(int x, int y, const PlaceRecord& record = kFour, LabelStyle style = LabelStyle::TwoD)
    {
        return placement.Place(dc, x, y, record, style);
    }
    DrawRect Last() const { return placement.Placed().back(); }

    CLabelPlacement::Fonts fonts = TestFonts();
    CLabelPlacement placement{fonts};
    CRecordingDrawContext dc;
};

DrawRect Rect(int x, int y, int width = 4 * kCharWidth)
{
    return DrawRect{x, y, x + width, y + kHeight};
}

TEST_F(LabelPlacementTest, TwoDStyleStartsAboveTheAnchorWithTheKindsFontAndColour)
{
    ASSERT_TRUE(Place(100, 200, Named(kFujiCp932)));
    // Width from the byte count: six bytes, not three characters.
    EXPECT_EQ(Last(), Rect(100, 180, 6 * kCharWidth));
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].text, "富士山");
    EXPECT_EQ(dc.texts[0].x, 100);
    EXPECT_EQ(dc.texts[0].y, 180);
    EXPECT_EQ(dc.texts[0].colour, kPeakColour);
    EXPECT_EQ(dc.texts[0].font, (FontSpec{"ＭＳ ゴシック", -kHeight, 700}));
}

TEST_F(LabelPlacementTest, MapViewStyleStartsTenRightAndTwentyHigherWithALeaderToTheCorner)
{
    ASSERT_TRUE(Place(100, 200, kFour, LabelStyle::MapView));
    EXPECT_EQ(Last(), Rect(110, 160));
    ASSERT_EQ(dc.segments.size(), 1u);
    EXPECT_EQ(dc.segments[0].from, (DrawPoint{100, 200}));
    EXPECT_EQ(dc.segments[0].to, (DrawPoint{110, 180}));
    EXPECT_EQ(dc.segments[0].colour, kPeakColour);
    EXPECT_FALSE(dc.segments[0].inverted);
}

TEST_F(LabelPlacementTest, AnOverlappingLabelClimbsTheDiagonalToTheFirstFreePlace)
{
    ASSERT_TRUE(Place(100, 200));
    ASSERT_TRUE(Place(100, 200));
    // Free once its bottom reaches the first label's top (y 160); x there is
    // (160 - 200 - 200) / -2 = 120.
    EXPECT_EQ(Last(), Rect(120, 160));
    EXPECT_EQ(dc.segments.back().from, (DrawPoint{100, 200}));
    EXPECT_EQ(dc.segments.back().to, (DrawPoint{120, 180}));
    // A third climbs past both; at y 140 x is 259 / 2, cut to 129.
    ASSERT_TRUE(Place(100, 199));
    EXPECT_EQ(Last(), Rect(129, 140));
    // Labels that only touch do not overlap.
    ASSERT_TRUE(Place(140, 200));
    EXPECT_EQ(Last(), Rect(140, 180));
}

TEST_F(LabelPlacementTest, TheClimbStopsAFontHeightBelowTheTopAndTheLabelThenDescends)
{
    ASSERT_TRUE(Place(100, 45));       // 100,25 .. 140,45
    ASSERT_TRUE(Place(104, 40));       // starts at y 20, which is already the limit
    // Down the diagonal from y 20 until clear of the first label at y 45:
    // x = (45 - 40 - 208) / -2 = 101. A climb to the top would have found y 5.
    EXPECT_EQ(Last(), Rect(101, 45));
    EXPECT_EQ(dc.segments.back().to, (DrawPoint{101, 45}));
}

TEST_F(LabelPlacementTest, LabelsOutsideTheVisibleAreaOrWithoutRoomAreRefused)
{
    placement.Reset(DrawRect{0, 0, 300, 60});
    EXPECT_FALSE(Place(280, 40));      // sticks out on the right
    EXPECT_FALSE(Place(100, 10));      // sticks out at the top
    EXPECT_TRUE(Place(100, 40));       // 100,20 .. 140,40
    EXPECT_TRUE(Place(100, 40));       // descends to 100,40 .. 140,60
    EXPECT_FALSE(Place(100, 40));      // below the bottom
    EXPECT_FALSE(Place(100, 40, Named("ABCD", 14)));  // no such kind
    EXPECT_EQ(placement.Placed().size(), 2u);
    EXPECT_EQ(dc.texts.size(), 2u);
    EXPECT_EQ(dc.segments.size(), 2u);

    placement.Reset(DrawRect{0, 0, 300, 60});
    EXPECT_TRUE(Place(100, 40));
    EXPECT_EQ(Last(), Rect(100, 20));
}

// A dense field of names on a 1,600 x 1,200 view: whatever is drawn lies
// inside the view, overlaps nothing and sits on its first position or on
// its anchor's diagonal, with its leader starting at the anchor.
TEST_F(LabelPlacementTest, AThousandCandidatesNeverOverlap)
{
    const DrawRect view{0, 0, 1600, 1200};
    placement.Reset(view);
    struct Anchor { int x, y; };
    std::vector<Anchor> drawn;
    for (int i = 0; i < 1000; ++i) {
        const Anchor a{(i * 7919) % 1640 - 20, (i * 104729) % 1240 - 20};
        const std::string name(static_cast<std::size_t>(2 + i % 10), 'N');
        if (Place(a.x, a.y, Named(name, i % 14)))
            drawn.push_back(a);
    }
    const std::vector<DrawRect>& placed = placement.Placed();
    ASSERT_EQ(placed.size(), drawn.size());
    EXPECT_GT(placed.size(), 200u);
    EXPECT_LT(placed.size(), 1000u);
    ASSERT_EQ(dc.segments.size(), placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const DrawRect& r = placed[i];
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= view.right && r.bottom <= view.bottom) << i;
        const bool first = r.left == drawn[i].x && r.bottom == drawn[i].y;
        EXPECT_TRUE(first || r.left == (r.top - drawn[i].y - 2 * drawn[i].x) / -2) << i;
        EXPECT_EQ(dc.segments[i].from, (DrawPoint{drawn[i].x, drawn[i].y})) << i;
        for (std::size_t j = 0; j < i; ++j)
            ASSERT_FALSE(r.left < placed[j].right && placed[j].left < r.right && r.top < placed[j].bottom &&
                         placed[j].top < r.bottom)
                << i << " overlaps " << j;
    }
}

} // namespace
} // namespace qb
