#include "app/ViewTiling.h"

#include <gtest/gtest.h>

#include <utility>

namespace qb {
namespace {

TEST(ViewTiling, LandscapeGivesTheRenderingViewTheLeftTwoThirds)
{
    const ThreeViewLayout layout = TileThreeViews(1200, 800);
    EXPECT_EQ(layout.render, (FrameRect{0, 0, 800, 800}));
    EXPECT_EQ(layout.view2D, (FrameRect{800, 0, 400, 400}));
    EXPECT_EQ(layout.map, (FrameRect{800, 400, 400, 400}));
}

TEST(ViewTiling, PortraitAndSquareGiveTheRenderingViewTheTopTwoThirds)
{
    const ThreeViewLayout square = TileThreeViews(600, 600);
    EXPECT_EQ(square.render, (FrameRect{0, 0, 600, 400}));
    EXPECT_EQ(square.view2D, (FrameRect{0, 400, 300, 200}));
    EXPECT_EQ(square.map, (FrameRect{300, 400, 300, 200}));

    // Odd sizes truncate: 2 * 1001 / 3 = 667, 1001 / 3 = 333, 501 / 2 = 250.
    const ThreeViewLayout portrait = TileThreeViews(501, 1001);
    EXPECT_EQ(portrait.render, (FrameRect{0, 0, 501, 667}));
    EXPECT_EQ(portrait.view2D, (FrameRect{0, 667, 250, 333}));
    EXPECT_EQ(portrait.map, (FrameRect{250, 667, 250, 333}));
}

// The client size left for tiling from a 1200 x 800 client area, or a given one.
std::pair<int, int> RoomLeft(const BarsState& bars, int w = 1200, int h = 800)
{
    TilingClientSize(bars, w, h);
    return {w, h};
}

TEST(ViewTiling, DockedBarsTakeTheirRoom)
{
    EXPECT_EQ(RoomLeft({true, 20, true, 600, 30}), std::pair(1200, 800 - 24 - 33));
    EXPECT_EQ(RoomLeft({false, 20, true, 30, 600}), std::pair(1200 - 38, 800));
    // A square toolbar counts as lying across the top.
    EXPECT_EQ(RoomLeft({false, 20, true, 40, 40}), std::pair(1200, 757));
}

TEST(ViewTiling, HiddenBarsTakeNothingAndTinyWindowsStayAtZero)
{
    EXPECT_EQ(RoomLeft({false, 20, false, 600, 30}), std::pair(1200, 800));
    EXPECT_EQ(RoomLeft({true, 20, true, 30, 600}, 10, 10), std::pair(0, 0));
}

TEST(ViewTiling, FallbackIsHorizontalUnlessWiderThanTall)
{
    EXPECT_EQ(FallbackTilingFor(800, 800), FallbackTiling::Horizontal);
    EXPECT_EQ(FallbackTilingFor(799, 800), FallbackTiling::Horizontal);
    EXPECT_EQ(FallbackTilingFor(801, 800), FallbackTiling::Vertical);
}

} // namespace
} // namespace qb
