#include "places/PlaceFile.h"
#include "places/PlaceFitting.h"
#include "tests/places/PlaceBuilders.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/PlaceFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

PlaceRecord Named(const std::string& name, float lat, float lon, int col = -1, int row = -1)
{
    PlaceRecord r;
    r.SetName(name);
    r.oldLat = r.newLat = lat;
    r.oldLon = r.newLon = lon;
    r.col = col;
    r.row = row;
    return r;
}

std::vector<std::string> Names(std::span<const PlaceRecord> records)
{
    std::vector<std::string> names;
    for (const PlaceRecord& r : records)
        names.emplace_back(r.Name());
    return names;
}

std::vector<std::string> Deduplicated(std::vector<PlaceRecord> records)
{
    records.resize(static_cast<std::size_t>(RemoveDuplicatePlaces(records)));
    return Names(records);
}

TEST(RemoveDuplicatePlaces, TheLaterOfTwoDuplicatesSurvives)
{
    std::vector<PlaceRecord> records{Named("a", 35.0f, 139.0f), Named("b", 35.0f, 139.0f),
                                     Named("a", 35.09f, 138.91f), Named("a", 35.3f, 139.0f)};
    records[2].height = 2.0f;
    records[0].duplicate = records[1].duplicate = 1;  // stale marks are cleared first
    std::vector<PlaceRecord> kept = records;
    kept.resize(static_cast<std::size_t>(RemoveDuplicatePlaces(kept)));
    EXPECT_EQ(Names(kept), (std::vector<std::string>{"b", "a", "a"}));
    EXPECT_EQ(kept[1].height, 2.0f);
    EXPECT_EQ(kept[0].duplicate, 0);
}

TEST(RemoveDuplicatePlaces, NearnessByPairOrByGridPosition)
{
    // 0.1 degree apart is not near; a zero pair is never near by pair.
    EXPECT_EQ(Deduplicated({Named("a", 35.0f, 139.0f), Named("a", 35.0f, 139.1001f)}).size(), 2u);
    EXPECT_EQ(Deduplicated({Named("a", 0.0f, 139.0f), Named("a", 0.0f, 139.0f)}).size(), 2u);
    // Unknown pairs (-1) are near each other.
    EXPECT_EQ(Deduplicated({Named("a", -1.0f, -1.0f), Named("a", -1.0f, -1.0f)}).size(), 1u);
    // On the grid: within 100 points both ways.
    EXPECT_EQ(Deduplicated({Named("a", 0, 0, 10, 10), Named("a", 0, 0, 109, 89)}).size(), 1u);
    EXPECT_EQ(Deduplicated({Named("a", 0, 0, 10, 10), Named("a", 0, 0, 110, 10)}).size(), 2u);
    // A name off the grid does not take the place of the same name on it.
    EXPECT_EQ(Deduplicated({Named("a", 0, 0, 5, 5), Named("a", 0, 0, -1, -1)}),
              (std::vector<std::string>{"a", "a"}));
    // Names differing in one byte are different names.
    EXPECT_EQ(Deduplicated({Named("ab", 35, 139), Named("ac", 35, 139), Named("a", 35, 139)}).size(), 3u);
}

class FitPlacesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::FillGrid(grid, 121, 101, [](int, int) { return 100.0f; }, 35.0f, 35.1f, 139.0f, 139.12f);
        grid.m_bNewDatum = 1;
    }
    void SetSystem(const std::vector<PlaceRecord>& records) { test::SetSystemRecords(tables, records); }

    CHeightGrid grid;
    CPlaceTables tables;
};

TEST_F(FitPlacesTest, SystemNamesInsideTheExtentThenUserNames)
{
    PlaceRecord oldOnly = Named("old-only", 35.05f, 139.05f);
    oldOnly.newLat = oldOnly.newLon = 0.0f;
    SetSystem({Named("corner", 35.0f, 139.0f), Named("outside", 35.2f, 139.05f), oldOnly,
               Named("edge", 35.1f, 139.12f)});
    tables.User().Append(Named("mine", 35.05f, 139.06f));
    tables.User().Append(Named("unknown", -1.0f, -1.0f, 7, 8));
    tables.User().Append(Named("far", 36.0f, 139.06f));
    tables.User().Append(Named("abroad", 10.0f, 100.0f, 3, 4));
    FitPlaces(tables, grid);
    const CPlaceTable& d = tables.Display();
    EXPECT_EQ(Names(d.Records()), (std::vector<std::string>{"corner", "edge", "mine", "unknown", "abroad"}));
    EXPECT_EQ(std::pair(d[0].col, d[0].row), std::pair(0, 100));
    EXPECT_EQ(std::pair(d[1].col, d[1].row), std::pair(120, 0));
    EXPECT_EQ(std::pair(d[2].col, d[2].row), std::pair(60, 50));
    // Outside the box of Japan the positions stay as they were.
    EXPECT_EQ(std::pair(d[3].col, d[3].row), std::pair(7, 8));
    EXPECT_EQ(std::pair(d[4].col, d[4].row), std::pair(3, 4));

    grid.m_bNewDatum = 0;  // an old-datum grid takes the old pairs
    FitPlaces(tables, grid);
    EXPECT_EQ(Names(tables.Display().Records())[1], "old-only");
}

TEST_F(FitPlacesTest, DuplicatesOnTheGridAreRemoved)
{
    SetSystem({Named("peak", 35.05f, 139.05f)});
    tables.User().Append(Named("peak", 35.051f, 139.051f));
    FitPlaces(tables, grid);
    ASSERT_EQ(tables.Display().Count(), 1);
    EXPECT_EQ(tables.Display()[0].oldLat, 35.051f);
}

TEST_F(FitPlacesTest, LoadingTheSystemFilePutsItsNamesOnTheGrid)
{
    test::CTempDir dir;
    test::PlaceHeaderSpec header;
    test::WriteFileBytes(dir.File("tessim2.pln"),
                         test::PlaceHeader(header) + test::Format3Line(0, 100, 35.04, 139.04, 35.05, 139.05, "on") +
                             test::Format3Line(0, 100, 36.04, 139.04, 36.05, 139.05, "off"));
    tables.Display().Append(Named("kept", 0, 0));
    CPlaceFiles files(tables, grid, PlaceFolders{dir.Path(), dir.Path()}, nullptr);
    EXPECT_EQ(files.LoadSystemPlaces(), 2);
    EXPECT_EQ(tables.System()[1].origin, 0);
    EXPECT_EQ(Names(tables.Display().Records()), (std::vector<std::string>{"kept", "on"}));
    EXPECT_EQ(std::pair(tables.Display()[1].col, tables.Display()[1].row), std::pair(50, 50));
    // The table now converts datums.
    double lat = 35.0, lon = 139.0;
    tables.ToNewDatum(lat, lon);
    EXPECT_NEAR(lat, 35.01, 1e-5);
}

} // namespace
} // namespace qb
