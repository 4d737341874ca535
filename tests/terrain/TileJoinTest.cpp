#include "terrain/HeightGrid.h"

#include "terrain/AreaAssembly.h"
#include "terrain/AreaRecord.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

namespace qb {
namespace {

using test::CTempDir;
using test::FillGrid;

// Writes a tile of cols x rows points covering [south, north] x [west, east].
std::string WriteTile(const CTempDir& dir, const std::string& name, int cols, int rows, double south, double west,
                      double north, double east, int spacing, std::function<float(int, int)> f)
{
    CHeightGrid tile;
    FillGrid(tile, cols, rows, f, float(south), float(north), float(west), float(east));
    tile.m_nMeshSize = tile.m_nMeshSize2 = spacing;
    const std::string path = dir.File(name);
    EXPECT_EQ(tile.WriteTile(path, TileWriteMode::Replace), 1);
    return path;
}

CAreaRecord Area(int across, int down, const std::string& base)
{
    CAreaRecord area;
    area.SetCounts(across, down);
    EXPECT_TRUE(area.SetBaseFile(base));
    return area;
}

TEST(TileJoin, TwoByTwoTilesMakeOneGridAndAMissingTileTakesTheLowestHeight)
{
    CTempDir dir;
    // Tiles listed row by row from the north-west one; the south-east one is missing.
    const std::vector<std::string> tiles = {
        WriteTile(dir, "nw.3dm", 1125, 750, 35.0833, 139.0, 35.1667, 139.125, 10, [](int, int) { return 300.0f; }),
        WriteTile(dir, "ne.3dm", 1125, 750, 35.0833, 139.125, 35.1667, 139.25, 10, [](int r, int) { return 200.0f + r; }),
        WriteTile(dir, "sw.3dm", 1125, 750, 35.0, 139.0, 35.0833, 139.125, 10, [](int, int c) { return 100.0f + c; }),
        dir.File("se.3dm"),
    };
    CHeightGrid grid;
    test::CScriptedProgress progress;
    ASSERT_EQ(grid.JoinTiles(tiles, Area(2, 2, tiles[0]), &progress, 1, 1), 1);
    EXPECT_EQ(grid.m_nCols, 2250);
    EXPECT_EQ(grid.m_nRows, 1500);
    EXPECT_EQ(grid.m_nFileCols, 1125);
    EXPECT_EQ(grid.m_nMeshSize, 10);
    EXPECT_EQ(grid.m_nFileType, kFile3dm);
    EXPECT_FLOAT_EQ(grid.m_fSouth, 35.0f);
    EXPECT_FLOAT_EQ(grid.m_fNorth, 35.1667f);
    EXPECT_FLOAT_EQ(grid.m_fEast, 139.25f);
    EXPECT_EQ(grid.Height(0, 0), 300.0f);
    EXPECT_EQ(grid.Height(10, 1125), 210.0f);
    EXPECT_EQ(grid.Height(750, 7), 107.0f);
    EXPECT_EQ(grid.Height(1499, 2249), 100.0f) << "the missing tile takes the lowest height";
    EXPECT_EQ(grid.m_fMinHeight, 100.0f);
    EXPECT_EQ(grid.m_fMaxHeight, 1224.0f);
    EXPECT_EQ(grid.m_strPath, tiles[0]);
    ASSERT_FALSE(progress.Reports().empty());
    EXPECT_EQ(progress.Reports().back(), (std::pair<std::int64_t, std::int64_t>{4, 4}));
}

// Two tiles side by side: a whole 20 x 10 one in the west, and in the east one
// of eastCols x eastRows cut off after its first 20 heights.
std::vector<std::string> WestWholeEastCutOff(const CTempDir& dir, int eastCols, int eastRows)
{
    std::vector<std::string> tiles = {
        WriteTile(dir, "w.3dm", 20, 10, 35.0, 139.0, 35.1, 139.1, 10, [](int, int) { return 300.0f; }),
        WriteTile(dir, "e.3dm", eastCols, eastRows, 35.0, 139.1, 35.1, 139.2, 10, [](int, int) { return 200.0f; }),
    };
    std::filesystem::resize_file(tiles[1], 128 + 20 * 4);
    return tiles;
}

TEST(TileJoin, ACutOffTileIsLeftOutAndNamed)
{
    CTempDir dir;
    const std::vector<std::string> tiles = WestWholeEastCutOff(dir, 20, 10);
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    ASSERT_EQ(grid.JoinTiles(tiles, Area(2, 1, tiles[0]), nullptr, 1, 1), 1);
    EXPECT_EQ(grid.m_nCols, 40);
    EXPECT_EQ(grid.Height(0, 25), 300.0f) << "not one row of the cut-off tile is taken";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{
                                    "途中で切れているタイルを除きました (その範囲はデータなしになります):\n" + tiles[1] +
                                    ": ファイルが途中で切れています: 208 バイトしかありません (20 × 10 点のタイルは 928 バイト)。"});
}

TEST(TileJoin, ACutOffTileNeverSizesTheGrid)
{
    CTempDir dir;
    const std::vector<std::string> tiles = WestWholeEastCutOff(dir, 300, 200);
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    ASSERT_EQ(grid.JoinTiles(tiles, Area(2, 1, tiles[0]), nullptr, 1, 1), 1);
    EXPECT_EQ(grid.m_nCols, 40) << "the whole tile gives the size, though the cut-off one comes last";
    EXPECT_EQ(grid.m_nRows, 10);
    EXPECT_EQ(grid.Height(5, 5), 300.0f);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find(tiles[1]), std::string::npos);

    // With no whole tile there is nothing to join, and the cut-off ones are named.
    messages.Clear();
    std::filesystem::resize_file(tiles[0], 128 + 20 * 4);
    EXPECT_EQ(grid.JoinTiles(tiles, Area(2, 1, tiles[0]), nullptr, 1, 1), 0);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find(tiles[0] + ": "), std::string::npos);
    EXPECT_NE(messages.Texts()[0].find(tiles[1] + ": "), std::string::npos);
}

TEST(TileJoin, HybridRefinesTheBaseAndLaysFinerTilesOverIt)
{
    CTempDir dir;
    // One 10 m tile of 20 x 10 points; its 5 m cells are 4 x 2 points each (10 x 10 cells).
    const std::string base =
        WriteTile(dir, "base.3dm", 20, 10, 35.0, 139.0, 35.1, 139.2, 10, [](int, int) { return 50.0f; });
    CHeightGrid grid;
    test::CScriptedProgress progress;
    ASSERT_EQ(grid.JoinTiles({base}, Area(1, 1, base), &progress, 3, 1), 1);
    EXPECT_EQ(grid.m_nCols, 40);
    EXPECT_EQ(grid.m_nRows, 20);
    EXPECT_EQ(grid.m_nMeshSize, 5);

    // Only the cell in 5 m row 1, column 3 exists: placed by its corners, not at the corner of the grid.
    const std::string fine = WriteTile(dir, "fine.3dm", 4, 2, 35.08, 139.06, 35.09, 139.08, 5,
                                       [](int r, int c) { return r == 0 && c == 0 ? -5.0f : 70.0f; });
    ASSERT_EQ(grid.JoinTiles({fine}, Area(1, 1, fine), &progress, 3, 2), 1);
    EXPECT_EQ(grid.m_nCols, 40);
    EXPECT_EQ(grid.Height(2, 13), 70.0f);
    EXPECT_EQ(grid.Height(3, 15), 70.0f);
    EXPECT_EQ(grid.Height(2, 12), 50.0f) << "values of 0 or below leave the base heights";
    EXPECT_EQ(grid.Height(0, 0), 50.0f);
    EXPECT_EQ(grid.Height(4, 13), 50.0f);
}

TEST(TileJoin, AnOverlayTileWhoseCornersLieFarOffTheGridLaysNothingDown)
{
    CTempDir dir;
    const std::string base =
        WriteTile(dir, "base.3dm", 20, 10, 35.0, 139.0, 35.1, 139.2, 5, [](int, int) { return 50.0f; });
    for (const float west : {-3.0e38f, 3.0e38f, std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(west);
        CHeightGrid grid;
        ASSERT_EQ(grid.JoinTiles({base}, Area(1, 1, base), nullptr, 5, 1), 1);
        const std::string far = WriteTile(dir, "far.3dm", 4, 2, 35.08, west, 35.09, 139.08, 5,
                                          [](int, int) { return 70.0f; });
        ASSERT_EQ(grid.JoinTiles({far}, Area(1, 1, far), nullptr, 5, 2), 1);
        EXPECT_EQ(grid.m_fMaxHeight, 50.0f) << "no point of the far tile is laid over the base";
    }
}

TEST(TileJoin, CancelInTheSecondSweepFailsTheJoin)
{
    CTempDir dir;
    std::vector<std::string> tiles;
    for (int i = 0; i < 4; ++i)
        tiles.push_back(WriteTile(dir, "t" + std::to_string(i) + ".3dm", 10, 10, 35.0 + 0.01 * i, 139.0, 35.01 + 0.01 * i,
                                  139.01, 10, [](int, int) { return 1.0f; }));
    CHeightGrid grid;
    test::CScriptedProgress progress(5);  // one report in the first sweep, then one per tile row
    EXPECT_EQ(grid.JoinTiles(tiles, Area(1, 4, tiles[0]), &progress, 1, 1), 0);
    EXPECT_EQ(progress.Reports().size(), 5u);
}

std::string MemHeader(int cols, int rows, const std::string& corners)
{
    std::string line(1009, ' ');
    char size[8];
    std::snprintf(size, sizeof size, "%03d%03d", cols, rows);
    line.replace(23, 6, size);
    line.replace(29, corners.size(), corners);
    line.replace(225, rows, std::string(rows, '1'));
    return line;
}

TEST(TileJoin, TextMeshesJoinInTheOldDatum)
{
    CTempDir dir;
    std::string west = MemHeader(10, 10, "0350000139000003500301390030") + "\r\n";
    for (int r = 0; r < 10; ++r)
        west += "123456" + std::string(3, '0') + std::string(50, ' ').replace(0, 5, "  120") + "\r\n";
    test::WriteFileBytes(dir.File("w.mem"), west);
    const std::vector<std::string> tiles = {dir.File("w.mem"), dir.File("missing.mem")};
    CHeightGrid grid;
    ASSERT_EQ(grid.JoinTextMeshes(tiles, Area(2, 1, tiles[0]), nullptr), 1);
    EXPECT_EQ(grid.m_nCols, 20);
    EXPECT_EQ(grid.m_nRows, 10);
    EXPECT_EQ(grid.m_nMeshSize, 250);
    EXPECT_EQ(grid.m_bNewDatum, 0);
    EXPECT_FLOAT_EQ(grid.Height(3, 0), 12.0f);
    EXPECT_EQ(grid.Height(3, 1), 0.0f);
    EXPECT_EQ(grid.Height(3, 15), 0.0f) << "a missing tile stays at 0";
    EXPECT_FALSE(grid.HasData(3, 15)) << "but it has no data";
    EXPECT_TRUE(grid.HasData(3, 1)) << "a blank field reads as 0 m";
    EXPECT_EQ(grid.DataPoints(), 100);
    EXPECT_EQ(grid.m_joinHeaders.size(), 1u);

    test::WriteFileBytes(dir.File("bad.mem"), MemHeader(9, 10, "") + "\r\n");
    EXPECT_EQ(grid.JoinTextMeshes({dir.File("bad.mem")}, Area(1, 1, "bad.mem"), nullptr), 0);
}

TEST(TileJoin, AJoinMarksMissingTilesAndTheGapsOfTheOthers)
{
    CTempDir dir;
    const std::vector<std::string> tiles = {
        WriteTile(dir, "w.3dm", 4, 2, 35.0, 139.0, 35.01, 139.03, 10,
                  [](int r, int c) { return r == 1 && c == 2 ? kNoData : 40.0f; }),
        dir.File("missing.3dm"),
    };
    CHeightGrid grid;
    ASSERT_EQ(grid.JoinTiles(tiles, Area(2, 1, tiles[0]), nullptr, 1, 1), 1);
    ASSERT_EQ(grid.m_nCols, 8);
    EXPECT_EQ(grid.Height(1, 2), 40.0f) << "the stand-in height is the lowest";
    EXPECT_FALSE(grid.HasData(1, 2));
    EXPECT_TRUE(grid.HasData(1, 3));
    for (int c = 4; c < 8; ++c)
        EXPECT_FALSE(grid.HasData(0, c)) << c;
    EXPECT_EQ(grid.DataPoints(), 7);
    EXPECT_EQ(grid.m_nValidPoints, 7) << "written into an exported tile's header";
}

TEST(TileJoin, AnOverlayGivesDataWhereItHasHeightsAboveZero)
{
    CTempDir dir;
    const std::string base = WriteTile(dir, "base.3dm", 4, 2, 35.0, 139.0, 35.01, 139.03, 10,
                                       [](int, int c) { return c == 0 ? kNoData : 30.0f; });
    CHeightGrid grid;
    ASSERT_EQ(grid.JoinTiles({base}, Area(1, 1, base), nullptr, kMeshHybrid5m10m, 1), 1);
    ASSERT_EQ(grid.m_nCols, 8);
    EXPECT_FALSE(grid.HasData(0, 0));
    EXPECT_FALSE(grid.HasData(0, 1)) << "refined next to the gap";
    EXPECT_TRUE(grid.HasData(0, 3));
    EXPECT_FALSE(grid.HasData(0, 7)) << "after the last old column";

    // A 5 m tile over the west half: its one point of 0 m gives no data.
    const std::string fine = WriteTile(dir, "fine.3dm", 4, 4, 35.0, 139.0, 35.01, 139.015, 5,
                                       [](int r, int c) { return r == 0 && c == 1 ? 0.0f : 60.0f; });
    ASSERT_EQ(grid.JoinTiles({fine}, Area(1, 1, fine), nullptr, kMeshHybrid5m10m, 2), 1);
    EXPECT_TRUE(grid.HasData(0, 0));
    EXPECT_FALSE(grid.HasData(0, 1));
    EXPECT_TRUE(grid.HasData(3, 1));
    EXPECT_FALSE(grid.HasData(0, 7));
}

} // namespace
} // namespace qb
