#include "app/TessimDoc.h"

#include "app/AreaTiles.h"
#include "terrain/AreaAssembly.h"
#include "terrain/MeshNaming.h"
#include "terrain/XmlConversion.h"
#include "tests/app/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

namespace fs = std::filesystem;

using TessimDocTest = test::CDocumentTest;

TEST_F(TessimDocTest, OneFileOpensWithItsNoDataAsZero)
{
    const std::string path = WriteTile("a.3dm", 100.0f);
    CTessimDoc doc(app, host, jobs);
    app.m_nOpenMode = 2;
    ASSERT_TRUE(doc.OpenDocument(path));
    EXPECT_EQ(app.m_nOpenMode, 0);
    EXPECT_EQ(app.m_pCurrentDoc, &doc);
    EXPECT_EQ(doc.Grid().m_nCols, 20);
    EXPECT_EQ(doc.Grid().Height(0, 0), 0.0f);
    EXPECT_FALSE(doc.Grid().HasData(0, 0)) << "0 stands in for no data";
    EXPECT_TRUE(doc.Grid().HasData(0, 1));
    EXPECT_EQ(doc.Grid().m_fMinHeight, 0.0f);
    EXPECT_EQ(doc.MapInfo().fileType, "Quarrenby オリジナルデータ");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(TessimDocTest, AMissingFileOrARefusingDocumentOpensNothing)
{
    app.m_nOpenMode = 0;
    {
        CTessimDoc doc(app, host, jobs);
        EXPECT_FALSE(doc.OpenDocument(dir.File("none.3dm")));
        EXPECT_EQ(messages.Texts().back(), kFileNotFoundMessage);
    }
    EXPECT_EQ(app.m_pCurrentDoc, nullptr) << "a discarded document clears the current one";
    host.allowClose = false;
    CTessimDoc doc(app, host, jobs);
    EXPECT_FALSE(doc.OpenDocument(WriteTile("a.3dm", 1.0f)));
    EXPECT_FALSE(doc.Grid().HasHeights());

    app.m_nOpenMode = 3;
    EXPECT_TRUE(doc.OpenDocument("anything")) << "while importing, an open succeeds at once";
}

TEST_F(TessimDocTest, AHostThatNamesMissingFilesIsToldWhatWasLookedFor)
{
    host.namesFiles = true;
    app.m_nOpenMode = 0;
    CTessimDoc doc(app, host, jobs);
    EXPECT_FALSE(doc.OpenDocument(dir.File("none.3dm")));
    EXPECT_EQ(messages.Texts().back(), "not found: " + dir.File("none.3dm"));

    // A 2 x 1 area of 10 m tiles, none of them in the database.
    app.m_nMapKind = kMesh10m;
    app.m_area.base.SetCounts(2, 1);
    ASSERT_TRUE(app.m_area.base.SetBaseFile(dir.File("db/10m/5339-06.3dm")));
    app.m_nOpenMode = 1;
    EXPECT_FALSE(doc.OpenDocument(app.m_area.base.BaseFile()));
    EXPECT_EQ(messages.Texts().back(), "not found: " + dir.File("db/10m/5339-06.3dm") + " ほか 1 個");

    // One of them there but unreadable: the area is named.
    fs::create_directories(dir.File("db/10m"));
    test::WriteFileBytes(dir.File("db/10m/5339-07.3dm"), "TQZH");
    app.m_nOpenMode = 1;
    EXPECT_FALSE(doc.OpenDocument(app.m_area.base.BaseFile()));
    EXPECT_EQ(messages.Texts().back(), "not found: " + dir.File("db/10m/5339-06.3dm"));
}

TEST(DescribeAreaTiles, NamesTheFirstTileAndCountsTheOthers)
{
    EXPECT_EQ(DescribeAreaTiles({}), "");
    EXPECT_EQ(DescribeAreaTiles({"", "a.3dm"}), "a.3dm") << "a tile without a name is not counted";
    EXPECT_EQ(DescribeAreaTiles({"a.3dm", "", "b.3dm", "c.3dm"}), "a.3dm ほか 2 個");
}

TEST_F(TessimDocTest, AnAreaOfTilesJoinsIntoOneGrid)
{
    // A 2 x 1 area of 10 m tiles; the eastern one is named by its neighbour rule.
    WriteTile("db/10m/5339-06.3dm", 100.0f, 35.333333f, 139.75f);
    WriteTile("db/10m/5339-07.3dm", 200.0f, 35.333333f, 139.875f);
    app.m_nMapKind = kMesh10m;
    CAreaRecords& area = app.m_area;
    ASSERT_TRUE(AssembleArea(area, kSource10m, -139.75, -140.0, 35.333333333, 35.416666667,
                             CAssemblyContext{app.m_strDatabaseFolder, "", &messages}, nullptr));
    EXPECT_EQ(area.base.Across(), 2);
    app.m_nOpenMode = 1;
    CTessimDoc doc(app, host, jobs);
    ASSERT_TRUE(doc.OpenDocument(area.base.BaseFile()));
    EXPECT_EQ(app.m_nOpenMode, 2);
    EXPECT_EQ(doc.Grid().m_nCols, 40);
    EXPECT_EQ(doc.Grid().Height(5, 25), 205.0f);
    EXPECT_EQ(doc.Grid().Height(0, 20), 100.0f) << "a no-data point takes the lowest height";
    EXPECT_EQ(doc.Grid().DataPoints(), 400 - 2);
    EXPECT_FALSE(doc.Grid().HasData(0, 20));
    EXPECT_EQ(doc.TileList().size(), 2u);
    EXPECT_EQ(jobs.kinds, (std::vector<int>{1, 3}));
    EXPECT_EQ(doc.MapInfo().fileType, "Quarrenby オリジナルデータ");
}

TEST_F(TessimDocTest, CancellingTheJoinFailsTheOpen)
{
    WriteTile("db/10m/5339-06.3dm", 100.0f, 35.333333f, 139.75f);
    app.m_nMapKind = kMesh10m;
    app.m_area.base.SetCounts(1, 1);
    ASSERT_TRUE(app.m_area.base.SetBaseFile(dir.File("db/10m/5339-06.3dm")));
    app.m_nOpenMode = 1;
    jobs.cancelKind = 1;
    jobs.cancelAfter = 1;
    CTessimDoc doc(app, host, jobs);
    EXPECT_FALSE(doc.OpenDocument(app.m_area.base.BaseFile()));
    EXPECT_EQ(messages.Texts().back(), kFileNotFoundMessage);
    EXPECT_EQ(app.m_nOpenMode, 1);
    EXPECT_FALSE(doc.Grid().HasHeights()) << "no partly filled grid is left behind";
    EXPECT_EQ(doc.Grid().m_nCols, 0);
    EXPECT_TRUE(doc.TileList().empty());
}

TEST_F(TessimDocTest, TheRealTokachiCellOpensAsOneFiveMetreArea)
{
    XmlFolderJob convert{app.m_strDatabaseFolder};
    XmlFolderSummary summary;
    ASSERT_EQ(ImportXmlFolder({test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")}, convert, summary), 1);
    app.m_nMapKind = kMesh5m;
    ASSERT_TRUE(AssembleArea(app.m_area, kSource5m, -143.0, -143.125, 42.833333333, 42.916666667,
                             CAssemblyContext{app.m_strDatabaseFolder, "", &messages}, nullptr));
    app.m_nOpenMode = 1;
    CTessimDoc doc(app, host, jobs);
    ASSERT_TRUE(doc.OpenDocument(app.m_area.base.BaseFile()));
    const CHeightGrid& grid = doc.Grid();
    EXPECT_EQ(grid.m_nCols, 2250);
    EXPECT_EQ(grid.m_nRows, 1500);
    EXPECT_EQ(grid.m_nMeshSize, 5);
    EXPECT_FLOAT_EQ(grid.m_fWest, 143.0f);
    EXPECT_FLOAT_EQ(grid.m_fNorth, 42.916666667f);
    EXPECT_GT(grid.m_fMinHeight, 50.0f);
    EXPECT_LT(grid.m_fMaxHeight, 250.0f);
    for (std::int64_t i = 0; i < grid.m_nPoints; ++i)
        ASSERT_GT(grid.Heights()[i], -999.0f) << "no point is left without a height";
    // But the gaps are known: the 33 absent tiles and the no-data points of the 67 others.
    std::int64_t measured = 0;
    for (const std::string& tile : doc.TileList()) {
        TileHeaderBytes header;
        if (CHeightGrid::ReadTileHeader(tile, header))
            measured += DecodeTileHeader(header).validPoints;
    }
    EXPECT_EQ(grid.DataPoints(), measured);
    EXPECT_LT(measured, grid.m_nPoints * 2 / 3);
}

TEST_F(TessimDocTest, TheSaveQuestionBeforeClosing)
{
    CTessimDoc doc(app, host, jobs);
    EXPECT_TRUE(doc.QuerySave()) << "nothing changed: no question";
    EXPECT_TRUE(messages.Messages().empty());
    doc.Places().SetModified(true);
    messages.QueueAnswer(MessageResult::Cancel);
    EXPECT_FALSE(doc.QuerySave());
    EXPECT_EQ(messages.Messages().back().text, kSaveQuestion);
    EXPECT_EQ(messages.Messages().back().buttons, MessageButtons::YesNoCancel);
    messages.QueueAnswer(MessageResult::No);
    EXPECT_TRUE(doc.QuerySave());
    EXPECT_FALSE(fs::exists(dir.File("db/user.pln")));
    fs::create_directories(dir.File("db"));
    messages.QueueAnswer(MessageResult::Yes);
    EXPECT_TRUE(doc.QuerySave());
    EXPECT_TRUE(fs::exists(dir.File("db/user.pln")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.SaveDocument());
    EXPECT_EQ(host.status, kSavedStatus);
}

TEST_F(TessimDocTest, ADataDiscIsAskedForUntilTheUserCancels)
{
    app.m_nSourceKind = 1;
    app.m_nOpenMode = 1;
    app.m_area.base.SetCounts(1, 1);
    messages.QueueAnswer(MessageResult::Ok);
    messages.QueueAnswer(MessageResult::Cancel);
    CTessimDoc doc(app, host, jobs);
    EXPECT_FALSE(doc.OpenDocument("x.mem"));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, "数値地図 50m メッシュ日本Ⅰの CD-ROM をセットしてください")));
}

} // namespace
} // namespace qb
