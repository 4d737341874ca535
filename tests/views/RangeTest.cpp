#include "tests/views/ViewerFixture.h"

namespace qb::test {
namespace {

float ColumnHeight(int, int c)
{
    return float(c);
}

struct NeighbourCall {
    GridRange shifted;
    int cols = 0;
    int rows = 0;
};

TEST_F(ViewerTest, MovingInsideTheGridShiftsByHalfTheVisibleRange)
{
    MakeGrid(100, 80, ColumnHeight, kFileMem);
    viewer.SetRange({10, 10, 30, 29});  // 21 columns, 20 rows
    EXPECT_EQ(viewer.MoveRange(kMoveEast), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{20, 10, 40, 29}));
    EXPECT_EQ(viewer.RangeMin(), 20.0f);
    EXPECT_EQ(viewer.RangeMax(), 40.0f);
    EXPECT_EQ(viewer.MoveRange(kMoveSouth), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{20, 20, 40, 39}));
    EXPECT_EQ(viewer.MoveRange(kMoveNorth), 1);
    EXPECT_EQ(viewer.MoveRange(kMoveWest), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{10, 10, 30, 29}));
}

TEST_F(ViewerTest, ASingleTileStopsAtItsEdgeKeepingTheSize)
{
    MakeGrid(100, 80, ColumnHeight, kFile3dm);
    bool asked = false;
    const auto request = [&](const GridRange&, int, int) { asked = true; };
    viewer.SetRange({5, 10, 24, 29});
    EXPECT_EQ(viewer.MoveRange(kMoveWest, request), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 10, 19, 29}));
    EXPECT_EQ(viewer.RangeMax(), 19.0f);
    viewer.SetRange({70, 60, 99, 79});
    EXPECT_EQ(viewer.MoveRange(kMoveEast, request), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{70, 60, 99, 79}));
    EXPECT_EQ(viewer.MoveRange(kMoveSouth, request), 1);
    EXPECT_EQ(viewer.GetRange(), (GridRange{70, 60, 99, 79}));
    EXPECT_FALSE(asked);
}

TEST_F(ViewerTest, AnAreaJoinedFromTilesAsksForItsNeighbour)
{
    // Joined .3dm tiles carry the tiles' file type, yet they are an area.
    MakeGrid(100, 80, ColumnHeight, kFile3dm);
    grid.m_bJoined = 1;
    bool asked = false;
    viewer.SetRange({0, 0, 99, 79});
    EXPECT_EQ(viewer.MoveRange(kMoveEast, [&](const GridRange&, int, int) { asked = true; }), 2);
    EXPECT_TRUE(asked);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 0, 99, 79}));
}

TEST_F(ViewerTest, AJoinedAreaAsksForItsNeighbourAndKeepsItsRange)
{
    MakeGrid(100, 80, ColumnHeight, kFileUnknown);
    std::vector<NeighbourCall> calls;
    const auto request = [&](const GridRange& r, int cols, int rows) { calls.push_back({r, cols, rows}); };
    viewer.SetRange({0, 10, 19, 29});
    EXPECT_EQ(viewer.MoveRange(kMoveWest, request), 2);
    viewer.SetRange({0, 0, 99, 79});
    EXPECT_EQ(viewer.MoveRange(kMoveNorth, request), 2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].shifted, (GridRange{-10, 10, 9, 29}));
    EXPECT_EQ(calls[1].shifted, (GridRange{0, -40, 99, 39}));
    EXPECT_EQ(calls[1].cols, 100);
    EXPECT_EQ(calls[1].rows, 80);
    EXPECT_EQ(viewer.GetRange(), (GridRange{0, 0, 99, 79}));
}

TEST_F(ViewerTest, GridPointsAndWindowPointsMapBothWaysKeepingTheGroundsProportions)
{
    // 41 x 11 points, 10 m across and 30 m down: 400 m by 300 m, limited by the width.
    FillGrid(grid, 41, 11, [](int r, int c) { return float(r * 100 + c); });
    grid.m_nMeshSize = 10;
    grid.m_nMeshSize2 = 30;
    viewer.Attach(grid, std::nullopt, false);
    viewer.Draw(dc, {0, 0, 888, 888});  // 800 x 800 from (44, 44): 2 pixels a metre
    EXPECT_EQ(viewer.GridToScreen(40, 10), (DrawPoint{44 + 800, 44 + 600}));
    EXPECT_EQ(viewer.GridToScreen(1, 1), (DrawPoint{44 + 20, 44 + 60}));
    for (int r = 0; r < 11; ++r)
        for (int c = 0; c < 41; ++c) {
            DrawPoint p = viewer.GridToScreen(c, r);
            DrawPoint nudged{p.x + 4, p.y - 4};
            int col = -1, row = -1;
            EXPECT_EQ(viewer.ScreenToGrid(nudged, col, row), float(r * 100 + c));
            EXPECT_EQ((GridPoint{col, row}), (GridPoint{c, r}));
            EXPECT_EQ(nudged, p);
        }
    EXPECT_EQ(viewer.ScreenToGridClamped({-500, 5000}), (GridPoint{0, 10}));
    viewer.SetRange({10, 2, 20, 6});
    EXPECT_EQ(viewer.ScreenToGridClamped({5000, -500}), (GridPoint{20, 2}));
}

} // namespace
} // namespace qb::test
