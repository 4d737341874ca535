#include "app/TessimApp.h"

#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace qb {
namespace {

namespace fs = std::filesystem;

class TessimAppTest : public ::testing::Test {
protected:
    TessimAppTest()
    {
        fs::create_directories(m_docs);
        fs::create_directories(m_prog);
        m_system.documentsFolder = m_docs;
        m_system.currentFolder = m_prog;
        m_system.volumes = {{"/", "ext4", "/dev/sda1"}};
    }

    void Start(CTessimApp& app)
    {
        app.InitInstance();
        m_messages.Clear();
    }

    std::string Text(std::string_view section, std::string_view key)
    {
        return m_store.GetSettingString(section, key, "<missing>");
    }

    test::CTempDir m_temp;
    const std::string m_docs = m_temp.File("docs");
    const std::string m_prog = m_temp.File("prog");
    CMemorySettingsStore m_store;
    test::CFakeSystemServices m_system;
    test::CRecordingMessageSink m_messages;
};

TEST_F(TessimAppTest, FirstStartWritesTheFolderDefaultsAndCreatesNothing)
{
    CTessimApp app(m_store, m_system, m_messages);
    app.InitInstance();

    EXPECT_EQ(m_store.Size(), 7u);
    for (const auto& [section, key, suffix] :
         {std::tuple{"FileInit", "PrgDir", ""}, {"FileInit", "InitalDir", ""}, {"Globe", "InitDir", ""},
          {"FileInit", "PlnDir", "/place"}, {"FileInit", "PlnDirDef", "/place"},
          {"FileInit", "AreDir", "/area"}, {"FileInit", "AreDirDef", "/area"}})
        EXPECT_EQ(Text(section, key), m_prog + suffix) << key;
    EXPECT_FALSE(fs::exists(m_prog + "/place"));
    EXPECT_FALSE(fs::exists(m_docs + "/Quarrenby"));

    EXPECT_TRUE(app.NeedsFolderSettings());
    EXPECT_EQ(app.m_nOpenMode, 2);
    EXPECT_EQ(app.m_strDatabaseFolder, m_docs);
    EXPECT_EQ(app.m_strDataFolder, m_docs);
    EXPECT_DOUBLE_EQ(app.m_dHeightScale, 1.0);
    EXPECT_EQ(app.m_nHeightScaleIndex, 1);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, kGlobeDataMissingMessage);
    EXPECT_EQ(m_messages.Messages()[0].icon, MessageIcon::Exclamation);
}

TEST_F(TessimAppTest, SecondStartEntersTheProgramFolderAndCreatesItsFolders)
{
    test::WriteFileBytes(m_prog + "/japan.GLL", "x");
    { CTessimApp first(m_store, m_system, m_messages); first.InitInstance(); }
    m_system.currentFolder = m_temp.Path();
    const int writesBefore = m_store.WriteCount();

    CTessimApp second(m_store, m_system, m_messages);
    second.InitInstance();
    EXPECT_EQ(m_store.WriteCount(), writesBefore);
    EXPECT_EQ(m_system.currentFolder, m_prog);
    EXPECT_TRUE(fs::is_directory(m_prog + "/place"));
    EXPECT_TRUE(fs::is_directory(m_prog + "/area"));
    EXPECT_TRUE(fs::is_directory(m_docs + "/Quarrenby"));
    EXPECT_EQ(second.m_strDatabaseFolder, m_docs + "/Quarrenby");
}

TEST_F(TessimAppTest, ProgramFolderThatIsGoneStartsAfresh)
{
    m_store.WriteSettingString("FileInit", "PrgDir", m_temp.File("removed"));
    m_store.WriteSettingString("Param", "Database", m_temp.File("db"));
    test::WriteFileBytes(m_prog + "/japan.GLL", "x");
    CTessimApp app(m_store, m_system, m_messages);
    app.InitInstance();
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(Text("FileInit", "PrgDir"), m_prog);
    EXPECT_EQ(Text("FileInit", "AreDir"), m_prog + "/area");
    EXPECT_EQ(m_system.currentFolder, m_prog);
    EXPECT_FALSE(fs::exists(m_temp.File("db")));
}

TEST_F(TessimAppTest, MissingDocumentsFolderLeavesTheDatabaseDefaultEmpty)
{
    m_system.documentsFolder.clear();
    m_store.WriteSettingString("FileInit", "PrgDir", m_prog);
    CTessimApp app(m_store, m_system, m_messages);
    Start(app);
    EXPECT_EQ(app.m_strDatabaseFolder, "");
    EXPECT_TRUE(m_system.createdFolders.empty());
}

TEST_F(TessimAppTest, DataDriveRules)
{
    const auto driveAfterStart = [&](std::int32_t stored) {
        CMemorySettingsStore store;
        if (stored >= 0)
            store.WriteSettingInt("Param", "Drive", stored);
        CTessimApp app(store, m_system, m_messages);
        app.InitInstance();
        return app.m_chDataDrive;
    };
    EXPECT_EQ(driveAfterStart(-1), 0);   // no CD-ROM, nothing stored
    EXPECT_EQ(driveAfterStart('E'), 'E');

    m_system.volumes.push_back({"/media/disc", "iso9660", "/dev/sr0"});
    EXPECT_EQ(driveAfterStart(-1), 'B');
    EXPECT_EQ(driveAfterStart(0), 'B');
    EXPECT_EQ(driveAfterStart('E'), 'E');
    EXPECT_EQ(driveAfterStart(1000), 'B');   // not a letter

    CTessimApp app(m_store, m_system, m_messages);
    Start(app);
    EXPECT_EQ(app.m_nDriveType[1], kDriveFixed);
    EXPECT_EQ(app.m_nDriveType[2], kDriveCdrom);
    EXPECT_EQ(app.m_nDriveType[3], kDriveUnknown);
    EXPECT_EQ(app.DataDriveRoot(), "/media/disc");
}

TEST_F(TessimAppTest, TwentySixthVolumeIsNeverProbed)
{
    m_system.volumes.clear();
    for (char c = 'a'; c <= 'y'; ++c)
        m_system.volumes.push_back({std::string("/mnt/") + c, "ext4", "/dev/sdb"});
    m_system.volumes.push_back({"/mnt/z", "iso9660", "/dev/sr0"});
    CTessimApp app(m_store, m_system, m_messages);
    Start(app);
    EXPECT_EQ(app.m_chDataDrive, 0);
    EXPECT_EQ(app.m_nDriveType[25], kDriveFixed);
    EXPECT_EQ(app.m_nDriveType[26], kDriveUnknown);
}

TEST_F(TessimAppTest, StartReadsHeightFactorMarginsAndRecentFiles)
{
    m_store.WriteSettingString("HightTime", "HightTime", "abc");
    m_store.WriteSettingInt("HightTime", "HightTimeFlg", 4);
    m_store.WriteSettingInt("Margin", "left", 1440);
    m_store.WriteSettingInt("Margin", "bottom", -5);
    m_store.WriteSettingInt("Margin", "units", 1);
    m_store.WriteSettingString("Recent File List", "File2", "/data/a.3dm");
    CTessimApp app(m_store, m_system, m_messages);
    Start(app);
    EXPECT_DOUBLE_EQ(app.m_dHeightScale, 0.0);
    EXPECT_EQ(app.m_nHeightScaleIndex, 4);
    EXPECT_EQ(app.m_rcMargins.left, 1440);
    EXPECT_EQ(app.m_rcMargins.top, 0);
    EXPECT_EQ(app.m_rcMargins.bottom, -5);
    EXPECT_EQ(app.m_nMarginUnits, 1);
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{"/data/a.3dm"});

    app.AddToRecentFileList("/data/b.3dm");
    EXPECT_EQ(Text("Recent File List", "File1"), "/data/b.3dm");
    EXPECT_EQ(Text("Recent File List", "File2"), "/data/a.3dm");
    app.RemoveFromRecentFileList(0);
    EXPECT_EQ(Text("Recent File List", "File1"), "/data/a.3dm");
    EXPECT_EQ(Text("Recent File List", "File2"), "");
}

TEST_F(TessimAppTest, ShutDownWritesFoldersThenHeightFactorAndDriveOnce)
{
    {
        CTessimApp app(m_store, m_system, m_messages);
        Start(app);
        app.m_strDataFolder = "/xml";
        app.m_strDatabaseFolder = "/db";
        app.m_bDatabaseFolderSet = 1;
        app.m_nMapKind = 5;
        app.ExitInstance();
        EXPECT_EQ(Text("Param", "DataFolder"), "/xml");
        EXPECT_EQ(Text("Param", "Database"), "/db");
        EXPECT_EQ(m_store.GetSettingInt("Param", "DataBaseFolderFlg", -1), 1);
        EXPECT_EQ(m_store.GetSettingInt("Param", "MapKind", -1), 5);
        EXPECT_FALSE(m_store.Contains("HightTime", "HightTime"));

        app.m_dHeightScale = 2.5;
        app.m_nHeightScaleIndex = 4;
        app.m_chDataDrive = 'Q';
        app.SaveOnDestroy();
        app.m_dHeightScale = 9.0;
    }
    EXPECT_EQ(Text("HightTime", "HightTime"), "2.500000");
    EXPECT_EQ(m_store.GetSettingInt("HightTime", "HightTimeFlg", -1), 4);
    EXPECT_EQ(m_store.GetSettingInt("Param", "Drive", -1), 'Q');

    CTessimApp restarted(m_store, m_system, m_messages);
    Start(restarted);
    EXPECT_FALSE(restarted.NeedsFolderSettings());
    EXPECT_EQ(restarted.m_nMapKind, 5);
    EXPECT_DOUBLE_EQ(restarted.m_dHeightScale, 2.5);
}

TEST_F(TessimAppTest, DestroyingWithoutStartUpWritesNothing)
{
    { CTessimApp app(m_store, m_system, m_messages); }
    EXPECT_EQ(m_store.WriteCount(), 0);
    {
        CTessimApp app(m_store, m_system, m_messages);
        Start(app);
    }
    EXPECT_EQ(Text("HightTime", "HightTime"), "1.000000");
}

} // namespace
} // namespace qb
