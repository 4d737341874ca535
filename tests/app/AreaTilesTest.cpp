#include "app/AreaTiles.h"

#include "terrain/AreaAssembly.h"
#include "terrain/AreaRecord.h"

#include <gtest/gtest.h>

#include <climits>

namespace qb {
namespace {

CAreaRecord Area(int across, int down, int baseColumn, int baseRow)
{
    CAreaRecord area;
    area.SetBaseFile("/db/10m/5339-06.3dm");
    area.SetCounts(across, down);
    area.SetBaseColumn(baseColumn);
    area.SetBaseRow(baseRow);
    return area;
}

TEST(AreaTiles, TilesRunRowByRowFromTheNorthWestAroundTheBaseTile)
{
    EXPECT_EQ(AreaTilePaths(Area(2, 2, 1, 0), kMesh10m, 1, "/db"),
              (std::vector<std::string>{"/db/10m/5339-05.3dm", "/db/10m/5339-06.3dm", "/db/10m/5239-75.3dm",
                                        "/db/10m/5239-76.3dm"}));
}

TEST(AreaTiles, DamagedCountsAndBaseTilesNameNoTiles)
{
    // Rows without columns, or columns without rows, hold no tile at all.
    EXPECT_TRUE(AreaTilePaths(Area(0, 1 << 28, 0, 0), kMesh10m, 1, "/db").empty());
    EXPECT_TRUE(AreaTilePaths(Area(1 << 28, -1, 0, 0), kMesh10m, 1, "/db").empty());
    // A base tile billions of cells away from the area's own tiles names none of them.
    EXPECT_EQ(AreaTilePaths(Area(2, 1, INT_MIN, 0), kMesh10m, 1, "/db"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(AreaTilePaths(Area(1, 2, 0, INT_MAX), kMesh5m, 1, "/db"), (std::vector<std::string>{"", ""}));
}

} // namespace
} // namespace qb
