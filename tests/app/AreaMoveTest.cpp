#include "app/AreaMove.h"

#include "views/Viewer2D.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// A 10 x 10 tile 5 m area of cell 6443-20 whose base tile is the south-west
// one, tiles of 225 x 150 points (a grid of 2250 x 1500), with a 10 m base
// record and 5 m overlay of the same cells as a hybrid area has.
CAreaRecords FiveMetreArea()
{
    CAreaRecords areas;
    areas.base.SetBaseFile("/db/5m/6443-20-00.3dm");
    areas.base.SetCounts(10, 10);
    areas.base.SetBaseRow(9);
    return areas;
}

CAreaRecords HybridArea()
{
    CAreaRecords areas;
    areas.base.SetBaseFile("/db/10m/6443-20.3dm");
    areas.base.SetCounts(2, 1);
    areas.fiveMetre.SetBaseFile("/db/5m/6443-20-00.3dm");
    areas.fiveMetre.SetCounts(20, 10);
    areas.fiveMetre.SetBaseRow(9);
    areas.oneMetre.SetBaseFile("/db/1m/6443-20-00-DEM1A.3dm");
    areas.oneMetre.SetCounts(20, 10);
    areas.oneMetre.SetBaseRow(9);
    return areas;
}

TEST(AreaMove, TheWholeAreaMovesByAsManyTilesAsTheViewLeft)
{
    // The whole grid shown, moved east by half its width: five tiles.
    const auto move = MoveAreaPast(FiveMetreArea(), kMoveEast, {1125, 0, 3374, 1499}, 2250, 1500);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->areas.base.BaseFile(), "/db/5m/6443-20-05.3dm");
    EXPECT_EQ(move->areas.base.Across(), 10);
    EXPECT_EQ(move->areas.base.BaseRow(), 9);
    EXPECT_EQ(move->range, (GridRange{0, 0, 2249, 1499}));
}

TEST(AreaMove, APartlyOutsideRangeMovesByWholeTilesAndStaysInside)
{
    // 100 points past the south edge: one tile of 150 rows south.
    const auto south = MoveAreaPast(FiveMetreArea(), kMoveSouth, {300, 1000, 700, 1599}, 2250, 1500);
    ASSERT_TRUE(south);
    EXPECT_EQ(south->areas.base.BaseFile(), "/db/5m/6443-10-90.3dm");
    EXPECT_EQ(south->range, (GridRange{300, 850, 700, 1449}));
    // 30 points past the west edge: one tile of 225 columns west, which
    // lies in the next secondary cell to the west.
    const auto west = MoveAreaPast(FiveMetreArea(), kMoveWest, {-30, 0, 969, 599}, 2250, 1500);
    ASSERT_TRUE(west);
    EXPECT_EQ(west->areas.base.BaseFile(), "/db/5m/6442-27-09.3dm");
    EXPECT_EQ(west->range, (GridRange{195, 0, 1194, 599}));
    const auto north = MoveAreaPast(FiveMetreArea(), kMoveNorth, {0, -1, 99, 98}, 2250, 1500);
    ASSERT_TRUE(north);
    EXPECT_EQ(north->areas.base.BaseFile(), "/db/5m/6443-20-10.3dm");
    EXPECT_EQ(north->range, (GridRange{0, 149, 99, 248}));
}

TEST(AreaMove, HybridOverlaysMoveTheSameDistance)
{
    // One 10 m tile east is ten 5 m (and 1 m) tiles east.
    const auto move = MoveAreaPast(HybridArea(), kMoveEast, {1125, 0, 3374, 749}, 2250, 750);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->areas.base.BaseFile(), "/db/10m/6443-21.3dm");
    EXPECT_EQ(move->areas.fiveMetre.BaseFile(), "/db/5m/6443-21-00.3dm");
    EXPECT_EQ(move->areas.oneMetre.BaseFile(), "/db/1m/6443-21-00-DEM1A.3dm");
}

TEST(AreaMove, ASingleTextMeshBecomesAOneTileAreaThatMoves)
{
    const CAreaRecords single = SingleFileArea("/disc/Data/6442/644200.mem");
    EXPECT_EQ(single.base.Across(), 1);
    EXPECT_EQ(single.base.Down(), 1);
    // Half a 100-row range past the north edge: the tile to the north, the
    // range at its south edge (it would reach past it by 50 rows).
    const auto move = MoveAreaPast(single, kMoveNorth, {0, -50, 99, 49}, 200, 200);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->areas.base.BaseFile(), "/disc/Data/6442/644210.mem");
    EXPECT_EQ(move->range, (GridRange{0, 100, 99, 199}));
}

TEST(AreaMove, NothingToMoveTo)
{
    // No tile name, an empty record, a range still inside the grid.
    EXPECT_FALSE(MoveAreaPast(SingleFileArea("/data/tile.xml"), kMoveEast, {50, 0, 149, 99}, 100, 100));
    EXPECT_FALSE(MoveAreaPast(CAreaRecords{}, kMoveEast, {50, 0, 149, 99}, 100, 100));
    EXPECT_FALSE(MoveAreaPast(FiveMetreArea(), kMoveEast, {0, 0, 99, 99}, 2250, 1500));
    EXPECT_FALSE(MoveAreaPast(FiveMetreArea(), 9, {1125, 0, 3374, 1499}, 2250, 1500));
}

} // namespace
} // namespace qb
