#include "terrain/MapInfo.h"
#include "terrain/TileMover.h"

#include "terrain/HeightGrid.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

TEST(MapInfo, EdgesInDegreesMinutesSecondsWithCarries)
{
    EXPECT_EQ(FormatDms(139.5), " 139.30' 0");
    EXPECT_EQ(FormatDms(35.0 + 59.0 / 60 + 59.6 / 3600), "  36. 0' 0") << "seconds and minutes carry";
    EXPECT_EQ(FormatDms(35.25 + 4.4 / 3600), "  35.15' 4");
    EXPECT_EQ(FormatDms(-0.5), "  -0.30' 0");
}

TEST(MapInfo, TextsOfAGrid)
{
    CHeightGrid grid;
    test::FillGrid(grid, 225, 150, [](int, int) { return 1.0f; }, 35.25f, 35.258333f, 138.5f, 138.5125f);
    grid.m_nMeshSize = grid.m_nMeshSize2 = 5;
    grid.m_strPath = "/data/FG-GML-5238-74-00-DEM5A-20161001.XML";
    const MapInfoTexts info = MakeMapInfo(grid, 0);
    EXPECT_EQ(info.fileName, grid.m_strPath);
    EXPECT_EQ(info.fileType, "USGS ３秒メッシュ");
    EXPECT_EQ(info.pointsEastWest, "  225");
    EXPECT_EQ(info.pointsNorthSouth, "  150");
    EXPECT_EQ(info.spacingEastWest, "    5m");
    EXPECT_EQ(info.west, " 138.30' 0");
    EXPECT_EQ(info.east, " 138.30'45");
    EXPECT_EQ(info.north, "  35.15'30");

    EXPECT_EQ(FileTypeText("a/b.sem", 0), "数値地図２５０ｍメッシュ");
    EXPECT_EQ(FileTypeText("a/b.MEM", 0), "数値地図５０ｍメッシュ");
    EXPECT_EQ(FileTypeText("b.3dm", 0), "Quarrenby オリジナルデータ");
    EXPECT_EQ(FileTypeText("b.ARE", 0), "Quarrenby 山域データ");
    EXPECT_EQ(FileTypeText("日高山脈", 2), "Quarrenby 山域データ") << "a joined area's name";
    EXPECT_EQ(FileTypeText("日高山脈", 1), "");
}

TEST(TileMover, TilesMoveIntoTheSubfolderNamedLikeTheirFolder)
{
    namespace fs = std::filesystem;
    test::CTempDir dir;
    fs::create_directories(dir.File("in/10m"));
    fs::create_directories(dir.File("in/deep/5m"));
    test::WriteFileBytes(dir.File("in/10m/5339-06.3dm"), "a");
    test::WriteFileBytes(dir.File("in/deep/5m/5339-06-12.3DM"), "b");
    test::WriteFileBytes(dir.File("in/deep/5m/notes.txt"), "c");
    test::CScriptedProgress progress;
    TileMoveSummary summary;
    EXPECT_EQ(MoveTilesIntoDatabase(dir.File("in"), dir.File("db"), &progress, summary), 1);
    EXPECT_EQ(summary.found, 2);
    EXPECT_EQ(summary.moved, 2);
    EXPECT_EQ(test::ReadFileBytes(dir.File("db/10m/5339-06.3dm")), "a");
    EXPECT_EQ(test::ReadFileBytes(dir.File("db/5m/5339-06-12.3DM")), "b");
    EXPECT_FALSE(fs::exists(dir.File("in/10m/5339-06.3dm")));
    EXPECT_TRUE(fs::exists(dir.File("in/deep/5m/notes.txt")));
    EXPECT_TRUE(fs::is_directory(dir.File("db/1m")));
    EXPECT_EQ(progress.Reports().front(), (std::pair<std::int64_t, std::int64_t>{0, 100}));

    TileMoveSummary none;
    EXPECT_EQ(MoveTilesIntoDatabase(dir.File("in"), dir.File("db"), nullptr, none), 0);
    EXPECT_EQ(none.found, 0);
}

} // namespace
} // namespace qb
