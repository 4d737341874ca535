#include "app/OpenFileCommand.h"

#include "app/TessimApp.h"
#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

class OpenFileCommandTest : public ::testing::Test {
protected:
    CMemorySettingsStore m_store;
    test::CFakeSystemServices m_system;
    test::CRecordingMessageSink m_messages;
    CTessimApp m_app{m_store, m_system, m_messages};
};

TEST_F(OpenFileCommandTest, FirstUseStartsWithTheFirstFilterAndNoFolder)
{
    m_app.m_nFilterIndex = 3;
    m_app.m_strInitialDir = "/stale";
    LoadOpenFileChoice(m_app);
    EXPECT_EQ(m_app.m_nFilterIndex, 1);
    EXPECT_EQ(m_app.m_strInitialDir, "");
    EXPECT_EQ(m_store.WriteCount(), 0);
}

TEST_F(OpenFileCommandTest, AChoiceIsRememberedAndReadBack)
{
    m_app.m_nOpenMode = 1;
    StoreOpenFileChoice(m_app, "/data/a/b.mem", 3);
    EXPECT_EQ(m_app.m_strInitialDir, "/data/a");
    EXPECT_EQ(m_app.m_nFilterIndex, 3);
    EXPECT_EQ(m_app.m_nOpenMode, 0);
    EXPECT_EQ(m_store.GetSettingString("FileInit", "InitalDir", "?"), "/data/a");
    EXPECT_EQ(m_store.GetSettingInt("FileInit", "FilterIndex", 0), 3);

    m_app.m_nFilterIndex = 1;
    m_app.m_strInitialDir.clear();
    LoadOpenFileChoice(m_app);
    EXPECT_EQ(m_app.m_nFilterIndex, 3);
    EXPECT_EQ(m_app.m_strInitialDir, "/data/a");
}

TEST_F(OpenFileCommandTest, AStoredFilterOutsideTheListReadsAsTheFirst)
{
    ASSERT_EQ(OpenFileFilters().size(), 3u);
    for (const int stored : {0, 4, -1}) {
        m_store.WriteSettingInt("FileInit", "FilterIndex", stored);
        LoadOpenFileChoice(m_app);
        EXPECT_EQ(m_app.m_nFilterIndex, 1) << stored;
    }
}

TEST_F(OpenFileCommandTest, FolderIsCutBeforeTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(FolderOfPath("C:\\a\\b.mem"), "C:\\a");
    EXPECT_EQ(FolderOfPath("/x/y\\z/b.3dm"), "/x/y\\z");
    EXPECT_EQ(FolderOfPath("/b.3dm"), "/");
    EXPECT_EQ(FolderOfPath("b.3dm"), "");
}

TEST_F(OpenFileCommandTest, ProgressTextShowsThePercentage)
{
    EXPECT_EQ(StatusProgressText(0), "ファイルを読み込み中．．．．．0 ％");
    EXPECT_EQ(StatusProgressText(57), "ファイルを読み込み中．．．．．57 ％");
}

} // namespace
} // namespace qb
