#include "terrain/MeshNaming.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

TEST(MeshNaming, ACornerOnCellLinesNamesItsOwnCell)
{
    const double south = 35.0 + 20.0 / 60.0, west = 139.75;
    const CellCode cell = CellOfPoint(south + 1e-6, west + 1e-6);
    EXPECT_EQ(cell.P, 53);
    EXPECT_EQ(cell.Q, 39);
    EXPECT_EQ(cell.a, 0);
    EXPECT_EQ(cell.b, 6);
    EXPECT_EQ(TileNameFor(south, west, 10), "5339-06.3dm");
    EXPECT_EQ(TileNameFor(south, west, 5), "5339-06-00.3dm");
    EXPECT_EQ(TileNameFor(south, west, 1), "5339-06-00-DEM1A.3dm");
    // A corner that float rounding put just below its lines.
    EXPECT_EQ(TileNameFor(static_cast<float>(south) - 1e-6, static_cast<float>(west) - 1e-6, 10), "5339-06.3dm");
}

TEST(MeshNaming, CornersFarOutsideEveryCellStillGiveAWholeName)
{
    for (const double far : {3.0e38, -3.0e38, 1.0e300, std::nan("")}) {
        for (const int spacing : {10, 5, 1}) {
            EXPECT_TRUE(TileNameFor(far, -far, spacing).ends_with(".3dm")) << far << " " << spacing;
        }
    }
}

TEST(MeshNaming, NeighboursCarryThroughSecondaryTenthAndPrimaryCells)
{
    struct Case {
        const char* base;
        std::int64_t dx, dy;
        const char* expected;
    };
    const Case cases[] = {
        {"5339-07.3dm", 1, 0, "5340-00"},
        {"/db/10m/5339-70.3dm", 0, 1, "5439-00"},
        {"5339-00.3dm", -1, -1, "5238-77"},
        {"5339-34.3dm", 17, 0, "5341-35"},
        {"C:\\db\\10m\\5339-34.3dm", 0, 0, "5339-34"},
        {"5339-07-09.3dm", 1, 0, "5340-00-00"},
        {"5339-70-90.3dm", 0, 1, "5439-00-00"},
        {"5339-00-00.3dm", -1, -1, "5238-77-99"},
        {"5339-25-19.3dm", 1, 0, "5339-26-10"},
        {"5339-25-12-DEM1A.3dm", 0, 10, "5339-35-12"},
        // Disc files keep their folder layout.
        {"/mnt/disc/Data/5339/533907.mem", 1, 0, "/mnt/disc/Data/5340/534000.mem"},
        {"/mnt/disc/Data/5339/533907.mem", -1, 0, "/mnt/disc/Data/5339/533906.mem"},
        {"/mnt/disc/Data/5339/533977.mem", 0, 1, "/mnt/disc/Data/5439/543907.mem"},
        {"/home/u/maps/533907.mem", 1, 0, "/home/u/maps/534000.mem"},
        {"/mnt/disc/Data/64432644320/533907.mem", 1, 0, "/mnt/disc/Data/64432644320/534000.mem"},
        {"/mnt/disc/Data/250m/5639.sem", 1, -1, "/mnt/disc/Data/250m/5540.sem"},
        {"/mnt/disc/Data/readme.txt", 1, 0, ""},
        {"abc.3dm", 1, 0, ""},
        // Far steps carry whole primary cells at once; beyond a million cells there is no tile.
        {"5339-34.3dm", -20, 0, "5337-30"},
        {"5339-34-00.3dm", 0, 240, "5639-34-00"},
        {"5339-34.3dm", (1 << 20) + 1, 0, ""},
        {"/mnt/disc/Data/250m/5639.sem", 0, -(1 << 21), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighbourName(c.base, c.dx, c.dy), c.expected) << c.base << " " << c.dx << "," << c.dy;
}

} // namespace
} // namespace qb
