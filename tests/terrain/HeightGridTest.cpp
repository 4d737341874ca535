#include "terrain/HeightGrid.h"
#include "terrain/MapZoom.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

using test::FillGrid;

CHeightGrid MakeTenMetreTile()
{
    CHeightGrid grid;
    FillGrid(grid, 1125, 750, [](int r, int c) { return float(r * 2 + c); });
    return grid;
}

TEST(HeightGridGeometry, RowsRunNorthToSouthAndColumnsWestToEast)
{
    const CHeightGrid grid = MakeTenMetreTile();
    EXPECT_FLOAT_EQ(grid.LatOfRow(0), 35.0833f);
    EXPECT_FLOAT_EQ(grid.LatOfRow(749), 35.0f);
    EXPECT_FLOAT_EQ(grid.LonOfCol(0), 139.0f);
    EXPECT_FLOAT_EQ(grid.LonOfCol(1124), 139.125f);

    int col = 0, row = 0;
    grid.PointToCell(35.0833, 139.0, col, row);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 0);
    grid.PointToCell(35.0, 139.125, col, row);
    EXPECT_EQ(row, 749);
    EXPECT_EQ(col, 1124);
}

TEST(HeightGridGeometry, PointToCellAtAndBeyondTheEdges)
{
    const CHeightGrid grid = MakeTenMetreTile();
    const double spacing = (139.125 - 139.0) / 1124;
    int col = 0, row = 0;
    grid.PointToCell(35.04, 139.0 - 0.9 * spacing, col, row);
    EXPECT_EQ(col, 0) << "-0.9 + 0.5 truncates toward zero";
    grid.PointToCell(35.04, 139.0 - 1.6 * spacing, col, row);
    EXPECT_EQ(col, -1);
    grid.PointToCell(35.04, 139.125 + 0.4 * spacing, col, row);
    EXPECT_EQ(col, 1124);
    grid.PointToCell(35.04, 139.125 + 0.6 * spacing, col, row);
    EXPECT_EQ(col, -1);
    grid.PointToCell(36.0, 139.06, col, row);
    EXPECT_EQ(row, -1);
    grid.PointToCell(std::nan(""), 139.06, col, row);
    EXPECT_EQ(row, -1);

    CHeightGrid flat;
    FillGrid(flat, 20, 20, [](int, int) { return 1.0f; }, 35.0f, 35.0f, 139.0f, 139.1f);
    flat.PointToCell(35.0, 139.05, col, row);
    EXPECT_EQ(row, -1) << "equal north and south edges";
    EXPECT_EQ(col, 10);
}

TEST(HeightGridHeightAt, InterpolatesWithTheNeighboursItHas)
{
    CHeightGrid grid;
    // h = 10 r + c on a 4 x 3 grid, except one bump.
    FillGrid(grid, 4, 3, [](int r, int c) { return float(10 * r + c); });
    EXPECT_FLOAT_EQ(grid.HeightAt(1.25, 0.5), 1 + 0.25 + 5);
    // Last column: the slope comes from the left neighbour.
    EXPECT_FLOAT_EQ(grid.HeightAt(3.0, 1.0), 13.0f);
    // Last row and column: the upper and left neighbours.
    EXPECT_FLOAT_EQ(grid.HeightAt(3.0, 2.0), 23.0f);
    EXPECT_FLOAT_EQ(grid.HeightAt(3.0, 2.0), grid.Height(2, 3));

    grid.Height(1, 2) = 100.0f;  // (r 1, c 1) sees 11, hx 100, hy 21
    const float h = grid.HeightAt(1.9, 1.9);
    EXPECT_GE(h, 11.0f);
    EXPECT_LE(h, 100.0f) << "the result never leaves the range of the three points";
    EXPECT_FLOAT_EQ(h, 100.0f);
}

TEST(HeightGridHeightAt, StaysInsideTheGridForPositionsOutsideIt)
{
    CHeightGrid grid;
    FillGrid(grid, 5, 5, [](int r, int c) { return float(r + c); });
    EXPECT_FLOAT_EQ(grid.HeightAt(-3.0, -3.0), 0.0f);
    EXPECT_FLOAT_EQ(grid.HeightAt(40.0, 40.0), 8.0f);

    CHeightGrid line;
    FillGrid(line, 6, 1, [](int, int c) { return float(c); });
    EXPECT_FLOAT_EQ(line.HeightAt(2.5, 0.0), 2.5f);
}

TEST(HeightGrid, InsideJapanBox)
{
    CHeightGrid grid = MakeTenMetreTile();
    EXPECT_EQ(grid.IsInsideJapan(), 1);
    grid.m_fWest = 121.9f;
    EXPECT_EQ(grid.IsInsideJapan(), 0);
    EXPECT_TRUE(CHeightGrid::IsPointInsideJapan(18.0, 156.0));
    EXPECT_FALSE(CHeightGrid::IsPointInsideJapan(47.01, 140.0));
}

TEST(MapZoom, LevelsByAreaInSquareDegrees)
{
    EXPECT_EQ(MapZoomForArea(3.5), 6);
    EXPECT_EQ(MapZoomForArea(3.0), 7);
    EXPECT_EQ(MapZoomForArea(0.0125 * 0.00833), 15);
    EXPECT_EQ(MapZoomForArea(0.05), 10);
    EXPECT_EQ(MapZoomForArea(0.00001), 18);
    EXPECT_EQ(MapZoomForArea(0.0), 18);
}

TEST(HeightGridLoad, UnknownExtensionIsRefusedAndTheMapCentreStillStored)
{
    test::CTempDir dir;
    test::WriteFileBytes(dir.File("notes.txt"), "hello");
    test::CRecordingMessageSink messages;
    CMemorySettingsStore settings;
    GeoBox area, view;
    CHeightGrid grid(CTerrainEnv{&messages, &settings, nullptr, &area, &view});
    EXPECT_EQ(grid.LoadFile(dir.File("notes.txt")), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kNotDataFileMessage);
    EXPECT_EQ(messages.Messages()[0].caption, "Quarrenby");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(grid.HasHeights());
    EXPECT_TRUE(settings.Contains("GlobeObj", "MapZoom"));
}

struct RecordingMap final : IMapCentreListener {
    void SetMapCenter(double lat, double lon, int zoom) override { calls.push_back({lat, lon, double(zoom)}); }
    std::vector<std::array<double, 3>> calls;
};

TEST(HeightGridLoad, StoreMapCentreFromGridAndFromTheBlueBox)
{
    CMemorySettingsStore settings;
    GeoBox area, view;
    RecordingMap map;
    CHeightGrid grid(CTerrainEnv{nullptr, &settings, nullptr, &area, &view, &map});
    FillGrid(grid, 10, 10, [](int, int) { return 0.0f; }, 35.0f, 35.5f, 139.0f, 139.5f);

    grid.StoreMapCentre(true);
    EXPECT_DOUBLE_EQ(area.west, -139.0);
    EXPECT_DOUBLE_EQ(view.east, -139.5);
    EXPECT_DOUBLE_EQ(area.north, 35.5);
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapCenterLat", ""), "35.250000");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapCenterLon", ""), "139.250000");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapZoom", ""), "9.000000");

    view = GeoBox{35.0, 35.01, -139.0, -139.01};
    grid.StoreMapCentre(false);
    EXPECT_DOUBLE_EQ(TextToDouble(settings.GetSettingString("GlobeObj", "MapCenterLon", "")), 139.005);
    ASSERT_EQ(map.calls.size(), 2u);
    EXPECT_EQ(map.calls[1][2], 16.0);
    EXPECT_DOUBLE_EQ(area.west, -139.0) << "the red box stays";
}

} // namespace
} // namespace qb
