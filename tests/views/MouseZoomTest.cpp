#include "tests/views/ViewerFixture.h"

#include <map>
#include <tuple>

namespace qb::test {
namespace {

float Ramp(int r, int c)
{
    return float(10 * c + r);
}

TEST_F(ViewerTest, TheHistoryKeepsTenRangesOverwritingTheNewestAndPopsThemBack)
{
    MakeGrid(21, 21, Ramp);
    for (int i = 1; i <= 12; ++i)
        viewer.PushRange({i, i, 20, 20});
    EXPECT_EQ(g_ZoomHistory.Count(), 10);
    EXPECT_EQ(host.repaints, 12);
    std::vector<int> popped;
    while (viewer.PopRange() == 1)
        popped.push_back(viewer.GetRange().colFirst);
    EXPECT_EQ(popped, (std::vector<int>{11, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(viewer.RangeMin(), 0.0f);
    EXPECT_EQ(viewer.RangeMax(), 220.0f);
}

TEST_F(ViewerTest, ADragZoomsToTheGridPointsUnderItAndErasesEveryRubberBand)
{
    MakeGrid(21, 21, Ramp);
    EXPECT_EQ(viewer.OnButtonDown(dc, {41, 51}), 0);
    EXPECT_TRUE(host.captured);
    EXPECT_EQ(host.cursor, ViewCursor::Cross);
    viewer.OnMouseMove(dc, {100, 100});
    viewer.OnMouseMove(dc, {120, 130});
    EXPECT_EQ(viewer.OnButtonUp(dc, {134, 157}), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{3, 4, 12, 15}));
    EXPECT_EQ(g_ZoomHistory.Count(), 1);
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(host.cursor, ViewCursor::Arrow);
    EXPECT_EQ(viewer.RangeMin(), 34.0f);
    EXPECT_EQ(viewer.RangeMax(), 135.0f);
    // Every inverted line was drawn an even number of times: nothing is left on screen.
    std::map<std::tuple<int, int, int, int>, int> times;
    for (const auto& s : dc.SegmentsInverted(true))
        ++times[{s.from.x, s.from.y, s.to.x, s.to.y}];
    EXPECT_FALSE(times.empty());
    for (const auto& [segment, count] : times)
        EXPECT_EQ(count % 2, 0);
    EXPECT_TRUE(dc.SegmentsInverted(false).empty());
}

TEST_F(ViewerTest, AClickOrADragAlongOneColumnGoesBackOneRange)
{
    MakeGrid(21, 21, Ramp);
    viewer.PushRange({2, 2, 18, 18});
    viewer.Draw(dc, kClient);
    viewer.OnButtonDown(dc, {60, 60});
    EXPECT_EQ(viewer.OnButtonUp(dc, {60, 60}), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 0, 20, 20}));

    viewer.PushRange({2, 2, 18, 18});
    viewer.OnButtonDown(dc, At(3, 3));
    EXPECT_EQ(viewer.OnButtonUp(dc, At(4, 15)), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 0, 20, 20}));
    EXPECT_EQ(g_ZoomHistory.Count(), 0);
}

TEST_F(ViewerTest, TheEleventhZoomIsRefusedAndTheViewGoesBackOneRange)
{
    MakeGrid(200, 200, Ramp);
    std::vector<GridRange> ranges{viewer.GetRange()};
    for (int i = 0; i < 10; ++i) {
        viewer.Draw(dc, kClient);
        viewer.OnButtonDown(dc, {11, 11});
        ASSERT_EQ(viewer.OnButtonUp(dc, {180, 180}), 1) << i;
        ranges.push_back(viewer.GetRange());
    }
    EXPECT_TRUE(host.messages.empty());
    viewer.OnButtonDown(dc, {11, 11});
    EXPECT_EQ(host.messages, std::vector<std::string>{"これ以上拡大できません。"});
    EXPECT_EQ(host.icons, std::vector<MessageIcon>{MessageIcon::Exclamation});
    EXPECT_FALSE(viewer.IsDragging());
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(viewer.GetRange(), ranges[9]);
    EXPECT_EQ(g_ZoomHistory.Count(), 9);
}

TEST_F(ViewerTest, AttachEmptiesTheHistoryOnlyForADocumentShownTheFirstTime)
{
    MakeGrid(21, 21, Ramp);
    viewer.PushRange({1, 1, 5, 5});
    viewer.Attach(grid, GridRange{15, 2, 40, -3}, false);
    EXPECT_EQ(viewer.GetRange(), (GridRange{15, 0, 20, 2}));
    EXPECT_EQ(g_ZoomHistory.Count(), 1);
    viewer.Attach(grid, std::nullopt, true);
    EXPECT_EQ(g_ZoomHistory.Count(), 1);
    viewer.Attach(grid, std::nullopt, false);
    EXPECT_EQ(g_ZoomHistory.Count(), 0);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 0, 20, 20}));
}

} // namespace
} // namespace qb::test
