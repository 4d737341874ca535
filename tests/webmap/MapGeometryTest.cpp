#include "webmap/MapRange.h"
#include "webmap/MeshCells.h"
#include "webmap/StoredTiles.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

constexpr GeoBox kArea{.south = 35.0, .north = 35.5, .west = 139.0, .east = 139.5};

TEST(MeshCells, SnappingRoundsHalvesUpToTheNearestLine)
{
    EXPECT_DOUBLE_EQ(SnapToStep(139.0625, 0.125), 139.125);
    EXPECT_DOUBLE_EQ(SnapToStep(139.06, 0.125), 139.0);
    EXPECT_DOUBLE_EQ(SnapToStep(-0.0625, 0.125), 0.0);
    EXPECT_DOUBLE_EQ(SnapToStep(35.71, 1.0 / 12.0), 35.75);
}

TEST(MeshCells, ATileNameGivesItsSecondaryCell)
{
    const auto cell = CellOfTileName("5339-45-01.3dm");
    ASSERT_TRUE(cell);
    EXPECT_DOUBLE_EQ(cell->south, (53 + 4 * 0.125) / 1.5);
    EXPECT_DOUBLE_EQ(cell->north, (53 + 5 * 0.125) / 1.5);
    EXPECT_DOUBLE_EQ(cell->west, 139.625);
    EXPECT_DOUBLE_EQ(cell->east, 139.75);
    EXPECT_FALSE(CellOfTileName("53.3dm"));
    EXPECT_FALSE(CellOfTileName("ab39-45.3dm"));
}

TEST(StoredTiles, NamesSharingTheirFirstSevenCharactersOutlineOneCell)
{
    const auto cells = CellsOfTileNames({"6443-20-55.3dm", "6443-20-56.3dm", "6443-21.3dm", "bad.3dm", "bad.3dm"});
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_DOUBLE_EQ(cells[1].west, 143.125);
    EXPECT_EQ(TileFolderOfMeshSetting(3), "10m");
    EXPECT_EQ(TileFolderOfMeshSetting(4), "1m");
    EXPECT_EQ(TileFolderOfMeshSetting(0), "");
}

TEST(MapRange, ARangeAndItsBoxConvertBothWays)
{
    const GridSize grid{50, 50};
    const GridRange range{.colFirst = 10, .rowFirst = 5, .colLast = 40, .rowLast = 30};
    const GeoBox box = BoxOfGridRange(kArea, range, grid);
    EXPECT_DOUBLE_EQ(box.west, 139.1);
    EXPECT_DOUBLE_EQ(box.north, 35.45);
    EXPECT_EQ(GridRangeOfBox(kArea, box, grid), range);
}

TEST(MapRange, ABoxLeavingNoColumnsOrRowsHasNoRange)
{
    const GridSize grid{50, 50};
    EXPECT_FALSE(GridRangeOfBox(kArea, GeoBox{35.1, 35.3, 139.2, 139.2}, grid));
    EXPECT_FALSE(GridRangeOfBox(kArea, GeoBox{35.2, 35.2, 139.1, 139.3}, grid));
    EXPECT_FALSE(GridRangeOfBox(kArea, GeoBox{36.0, 36.5, 140.0, 141.0}, grid)) << "wholly outside";
    EXPECT_FALSE(GridRangeOfBox(GeoBox{35, 35, 139, 139}, kArea, grid)) << "an empty area";
    EXPECT_FALSE(GridRangeOfBox(kArea, kArea, GridSize{0, 0}));
}

TEST(MapRange, APointGoesToTheNearestGridPointInsideTheGrid)
{
    EXPECT_EQ(GridPointOfPosition(kArea, 35.5, 139.0, GridSize{11, 21}), (GridPoint{0, 0}));
    EXPECT_EQ(GridPointOfPosition(kArea, 35.0, 139.5, GridSize{11, 21}), (GridPoint{10, 20}));
    EXPECT_EQ(GridPointOfPosition(kArea, 35.26, 139.24, GridSize{11, 21}), (GridPoint{5, 10}));
}

} // namespace
} // namespace qb
