// The open-from-map command: its steps in order, what each cancel leaves,
// the area kept in the settings, the data source and the same-document step.
#include "app/OpenFromMapCommand.h"

#include "app/AreaSettings.h"
#include "app/MapAreaAssembly.h"
#include "app/DocumentManager.h"
#include "app/OpenFromMapSource.h"
#include "app/SearchFolderCommand.h"
#include "app/TessimDoc.h"
#include "platform/FolderChooser.h"
#include "platform/MemorySettingsStore.h"
#include "terrain/AreaAssembly.h"
#include "terrain/ProgressJob.h"
#include "terrain/XmlConversion.h"
#include "tests/support/DemXml.h"
#include "tests/app/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace qb {
namespace {

namespace fs = std::filesystem;

// Records the steps; each dialog answers as scripted. The map dialog
// "chooses" the area by writing the scripted base file into the records.
struct CScriptedWindows final : IOpenFromMapWindows {
    explicit CScriptedWindows(CTessimApp& app) : app(&app) {}

    bool RunFolderSettings() override
    {
        steps.push_back("folders");
        if (foldersOk)
            app->m_bDatabaseFolderSet = 1;
        return foldersOk;
    }
    void CloseMapView() override { steps.push_back("close map view"); }
    std::optional<int> ChooseMapKind() override
    {
        steps.push_back("map kind");
        presetKind = app->m_nMapKind;
        return mapKind;
    }
    bool ChooseArea(CAreaRecords& records, int kind) override
    {
        steps.push_back("area");
        shownBase = records.base.BaseFile();
        shownFiveMetre = records.fiveMetre.BaseFile();
        dialogKind = kind;
        if (!areaOk)
            return false;
        records.base.SetBaseFile(chosenBase);
        records.base.SetCounts(3, 2);
        return true;
    }
    void ClearMoveRecord() override { steps.push_back("move record"); }
    void OpenArea(const std::string& path) override
    {
        steps.push_back("open");
        opened = path;
        openMode = app->m_nOpenMode;
        sourceKind = app->m_nSourceKind;
        if (documents)
            documents->CloseForReopen(path) && documents->OpenDocumentFile(path);
    }

    CTessimApp* app;
    bool foldersOk = true;
    std::optional<int> mapKind = 1;
    bool areaOk = true;
    std::string chosenBase = "/db/10m/5339-45.3dm";
    CDocumentManager* documents = nullptr;

    std::vector<std::string> steps;
    int presetKind = -1;
    int dialogKind = -1;
    std::string shownBase;
    std::string shownFiveMetre;
    std::string opened;
    int openMode = -1;
    int sourceKind = -1;
};

class OpenFromMapCommandTest : public test::CDocumentTest {
protected:
    OpenFromMapCommandTest() : windows(app)
    {
        app.m_bDatabaseFolderSet = 1;
        app.m_nMapKind = 3;
        app.m_nOpenMode = 0;
        settings.WriteSettingString("MultiOpen", "BaseName", "/db/10m/5339-00.3dm");
    }

    CScriptedWindows windows;
};

using Steps = std::vector<std::string>;

TEST_F(OpenFromMapCommandTest, TenMetreDataOpensAsAnAreaOfSourceKindFive)
{
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps, (Steps{"close map view", "map kind", "area", "move record", "open"}));
    EXPECT_EQ(windows.presetKind, 3);
    EXPECT_EQ(windows.dialogKind, 1);
    EXPECT_EQ(app.m_nMapKind, 1);
    // The stored area is the dialog's first and second record.
    EXPECT_EQ(windows.shownBase, "/db/10m/5339-00.3dm");
    EXPECT_EQ(windows.shownFiveMetre, "/db/10m/5339-00.3dm");
    EXPECT_EQ(windows.opened, "/db/10m/5339-45.3dm");
    EXPECT_EQ(windows.openMode, 1);
    EXPECT_EQ(windows.sourceKind, 5);
    EXPECT_EQ(app.m_area.base.Across(), 3);
    EXPECT_EQ(app.m_area.base.ListFlag(), 0);
    // The chosen area is what the next command offers.
    CAreaRecord stored;
    LoadAreaSettings(settings, stored);
    EXPECT_EQ(stored.BaseFile(), "/db/10m/5339-45.3dm");
    EXPECT_EQ(stored.Across(), 3);
    EXPECT_EQ(stored.Down(), 2);
    EXPECT_EQ(stored.ListFlag(), 0);
}

TEST_F(OpenFromMapCommandTest, ACancelAnywhereOpensNothing)
{
    app.m_bDatabaseFolderSet = 0;
    windows.foldersOk = false;
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps, Steps{"folders"});

    windows = CScriptedWindows(app);
    windows.mapKind.reset();
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps, (Steps{"folders", "close map view", "map kind"}));
    EXPECT_EQ(app.m_nMapKind, 3);

    windows = CScriptedWindows(app);
    windows.areaOk = false;
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps, (Steps{"close map view", "map kind", "area"})) << "folders are set now";
    EXPECT_EQ(app.m_nOpenMode, 0);
    EXPECT_EQ(settings.GetSettingString("MultiOpen", "BaseName", ""), "/db/10m/5339-00.3dm");
}

TEST_F(OpenFromMapCommandTest, TheDataDiscMustBeThere)
{
    windows.mapKind = 0;
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps, (Steps{"close map view", "map kind", "area", "move record"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoDiscDriveMessage)});
    EXPECT_EQ(app.m_nOpenMode, 0);
}

TEST_F(OpenFromMapCommandTest, FiveMetreDataOpensTheFirstFileItsBaseNameMatches)
{
    fs::create_directories(dir.File("db/5m"));
    for (const char* name : {"5339-45-27.3dm", "5339-45-21.3dm", "5339-46-00.3dm"})
        std::ofstream(dir.File("db/5m/") + name) << "x";
    windows.mapKind = 2;
    windows.chosenBase = dir.File("db/5m/5339-45-2?.3dm");
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.opened, dir.File("db/5m/5339-45-21.3dm"));
    EXPECT_EQ(windows.sourceKind, 6);

    // Nothing matching ends the command without a word.
    windows = CScriptedWindows(app);
    windows.mapKind = 2;
    windows.chosenBase = dir.File("db/5m/5440-00-00.3dm");
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.steps.back(), "move record");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(FirstMatchingFile(dir.File("nowhere/*.3dm")), std::nullopt);
}

TEST_F(OpenFromMapCommandTest, TheSameAreaAsksTheSaveQuestionFirst)
{
    CDocumentManager documents(app, jobs);
    const std::string path = WriteTile("db/10m/5339-45.3dm", 10.0f);
    app.m_nOpenMode = 0;
    CTessimDoc* doc = documents.OpenDocumentFile(path);
    ASSERT_TRUE(doc);
    doc->Places().SetModified(true);
    windows.documents = &documents;
    windows.chosenBase = path;
    messages.QueueAnswer(MessageResult::Cancel);
    RunOpenFromMap(app, windows);
    EXPECT_EQ(windows.opened, path);
    ASSERT_EQ(documents.Documents().size(), 1u);
    EXPECT_EQ(documents.Documents().front().get(), doc) << "Cancel keeps the open document";
    EXPECT_EQ(messages.Messages().size(), 1u);

    // Another path opens directly: only the document's own save question
    // on closing the old one is asked.
    EXPECT_TRUE(documents.CloseForReopen(dir.File("db/10m/5339-46.3dm")));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(AreaSettingsTest, AFirstStartReadsTheDefaultsAndANameRoundTrips)
{
    CMemorySettingsStore store;
    CAreaRecord area;
    LoadAreaSettings(store, area);
    EXPECT_EQ(area.Across(), 2);
    EXPECT_EQ(area.Down(), 2);
    EXPECT_EQ(area.OldAcross(), 2);
    EXPECT_EQ(area.ListFlag(), 1);
    EXPECT_EQ(area.BaseColumn(), 0);
    EXPECT_EQ(area.BaseFile(), "");

    ASSERT_TRUE(area.SetAreaNameUtf8("富士山周辺"));
    area.SetBaseColumn(4);
    area.SetBaseRow(1);
    SaveAreaSettings(store, area);
    CAreaRecord read;
    LoadAreaSettings(store, read);
    EXPECT_EQ(read.AreaNameUtf8(), "富士山周辺");
    EXPECT_EQ(read.BaseColumn(), 4);
    EXPECT_EQ(read.BaseRow(), 1);
}

} // namespace
} // namespace qb

namespace qb {
namespace {

// The dialog's assembly: a box with tiles fills the records, a box without
// says so once whatever the data, a cancel says nothing.
class ChosenAreaTest : public test::CDocumentTest {
protected:
    // The secondary cell 5339-00 (35.333 N, 139 E) and the one north of it.
    const GeoBox withTile{.south = 35.0 + 1.0 / 3.0, .north = 35.0 + 1.0 / 3.0 + 1.0 / 12.0, .west = 139.0,
                          .east = 139.125};
    const GeoBox empty{.south = withTile.north, .north = withTile.north + 1.0 / 12.0, .west = 139.0,
                       .east = 139.125};
};

TEST_F(ChosenAreaTest, AnEmptyBoxIsToldOnceAndAFoundOneFillsTheRecords)
{
    WriteTile("db/10m/5339-00.3dm", 10.0f, 35.0f + 1.0f / 3.0f);
    CAreaRecords records;
    records.base.SetBaseFile("kept");
    test::CScriptedProgress progress;
    EXPECT_FALSE(AssembleChosenArea(app, records, kMesh10m, 5, empty, progress));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoFilesInRangeMessage)});
    EXPECT_EQ(records.base.BaseFile(), "kept");
    // The 5 m assembly tells it itself: not twice.
    messages.Clear();
    EXPECT_FALSE(AssembleChosenArea(app, records, kMesh5m, 6, empty, progress));
    EXPECT_EQ(messages.Texts().size(), 1u);
    messages.Clear();
    test::CScriptedProgress cancelling(0);
    EXPECT_FALSE(AssembleChosenArea(app, records, kMesh10m, 5, withTile, cancelling));
    EXPECT_TRUE(messages.Messages().empty());

    ASSERT_TRUE(AssembleChosenArea(app, records, kMesh10m, 5, withTile, progress));
    EXPECT_TRUE(records.base.BaseFile().ends_with("/10m/5339-00.3dm"));
    EXPECT_EQ(records.base.Across(), 1);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb

namespace qb {
namespace {

struct CScriptedChooser final : IFolderChooser {
    std::optional<std::string> ChooseFolder(const std::string& start, std::string_view title) override
    {
        started = start;
        shownTitle = title;
        return chosen;
    }
    std::optional<std::string> chosen;
    std::string started;
    std::string shownTitle;
};

// "フォルダーから探す" over a folder of downloads: two good 5 m files in a
// subfolder and one without its grid size.
class SearchFolderTest : public OpenFromMapCommandTest {
protected:
    SearchFolderTest()
    {
        app.m_strDataFolder = dir.File("downloads");
        test::DemXml xml;
        xml.tuples = test::Tuples(25, 10.0, 1.0);
        fs::create_directories(dir.File("downloads/a"));
        test::WriteFileBytes(dir.File("downloads/a/FG-GML-5238-74-00-DEM5A.xml"), xml.Text());
        xml.lowerCorner = "35.258333333 138.5";
        xml.upperCorner = "35.266666667 138.5125";
        test::WriteFileBytes(dir.File("downloads/a/FG-GML-5238-74-10-DEM5A.xml"), xml.Text());
        xml.withHigh = false;
        test::WriteFileBytes(dir.File("downloads/broken.xml"), xml.Text());
        chooser.chosen = dir.File("downloads");
        windows.mapKind.reset();
    }

    CScriptedChooser chooser;
};

TEST_F(SearchFolderTest, TheFolderIsConvertedThenTheAreaIsChosenOnTheMapOfItsKind)
{
    app.m_nMapKind = 1;
    RunSearchFromFolder(app, chooser, jobs, windows);
    EXPECT_EQ(chooser.started, dir.File("downloads"));
    EXPECT_EQ(chooser.shownTitle, kFolderChooserTitle);
    EXPECT_EQ(jobs.kinds, std::vector<int>{kJobImportXmlFolder});
    EXPECT_TRUE(fs::exists(dir.File("db/5m/5238-74-00.3dm")));
    EXPECT_TRUE(fs::exists(dir.File("db/5m/5238-74-10.3dm")));
    // The map-kind dialog opens on the kind converted last.
    EXPECT_EQ(windows.presetKind, 2);
    EXPECT_EQ(windows.steps, (Steps{"close map view", "map kind"}));
    EXPECT_EQ(app.m_nOpenMode, 3);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].starts_with("1 個のファイルは変換できませんでした。\nbroken.xml: "));
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Information);
    // The map opens over the two tiles converted.
    EXPECT_NEAR(GetSettingReal(settings, "GlobeObj", "MapCenterLat", "0"), 35.258333, 1e-5);
    EXPECT_NEAR(GetSettingReal(settings, "GlobeObj", "MapCenterLon", "0"), 138.50625, 1e-5);
    EXPECT_EQ(GetSettingReal(settings, "GlobeObj", "MapZoom", "0"), 15.0);
}

TEST_F(SearchFolderTest, ACancelledChoiceOrConversionOpensNothing)
{
    chooser.chosen.reset();
    RunSearchFromFolder(app, chooser, jobs, windows);
    EXPECT_TRUE(jobs.kinds.empty());
    EXPECT_TRUE(windows.steps.empty());

    chooser.chosen = dir.File("downloads");
    jobs.cancelKind = kJobImportXmlFolder;
    jobs.cancelAfter = 1;
    RunSearchFromFolder(app, chooser, jobs, windows);
    EXPECT_TRUE(windows.steps.empty());
    EXPECT_TRUE(messages.Messages().empty());

    // A folder without elevation data says so, and the map still opens.
    fs::create_directories(dir.File("empty"));
    chooser.chosen = dir.File("empty");
    jobs.cancelKind = -1;
    RunSearchFromFolder(app, chooser, jobs, windows);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoXmlFilesMessage)});
    EXPECT_EQ(windows.steps, (Steps{"close map view", "map kind"}));
    EXPECT_EQ(app.m_strDataFolder, dir.File("empty"));
}

} // namespace
} // namespace qb
