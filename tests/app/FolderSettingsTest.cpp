#include "app/FolderSettings.h"

#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace qb {
namespace {

// Answers from a script and records where and how it was opened.
class CScriptedFolderChooser final : public IFolderChooser {
public:
    std::optional<std::string> ChooseFolder(const std::string& startFolder, std::string_view title) override
    {
        opened.push_back(startFolder + " | " + std::string(title));
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> opened;
};

struct FolderSettings : ::testing::Test {
    test::CTempDir temp;
    CMemorySettingsStore store;
    test::CFakeSystemServices system;
    test::CRecordingMessageSink messages;
    CTessimApp app{store, system, messages};
    CScriptedFolderChooser chooser;

    void SetUp() override
    {
        app.m_strDocumentsFolder = temp.File("Documents");
        app.m_strDatabaseFolder = temp.File("old");
    }
};

TEST_F(FolderSettings, BrowseStartsAtTheEditAndTakesOnlyAChosenFolder)
{
    CDirSetLogic dialog(app, chooser);
    chooser.answers = {temp.File("picked"), std::nullopt};
    dialog.Browse();
    dialog.Browse();
    EXPECT_EQ(dialog.Text(), temp.File("picked"));
    EXPECT_EQ(chooser.opened, (std::vector<std::string>{temp.File("old") + " | フォルダの指定",
                                                        temp.File("picked") + " | フォルダの指定"}));
}

TEST_F(FolderSettings, DefaultCreatesDocumentsQuarrenbyAndOkStoresItAtOnceWithTheFlag)
{
    CDirSetLogic dialog(app, chooser);
    ASSERT_TRUE(dialog.RestoreDefault());
    const std::string expected = temp.File("Documents/Quarrenby");
    EXPECT_EQ(dialog.Text(), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    ASSERT_TRUE(ApplyFolderSettings(app, dialog.Text() + "/"));
    EXPECT_EQ(std::make_pair(app.m_bDatabaseFolderSet, app.m_strDatabaseFolder), std::make_pair(1, expected));
    EXPECT_EQ(store.GetSettingString("Param", "Database", ""), expected);
    EXPECT_EQ(store.GetSettingInt("Param", "DataBaseFolderFlg", 0), 1);

    app.m_strDocumentsFolder.clear();   // unknown: no folder at the file-system root
    CDirSetLogic other(app, chooser);
    EXPECT_FALSE(other.RestoreDefault());
    EXPECT_EQ(system.createdFolders.size(), 1u);
}

TEST_F(FolderSettings, MissingFolderIsReportedAndNothingChanges)
{
    for (const std::string& folder : {temp.File("missing"), std::string()})
        EXPECT_FALSE(ApplyFolderSettings(app, folder));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, "指定されたディレクトリは見つかりません"));
    EXPECT_EQ(std::make_pair(app.m_bDatabaseFolderSet, app.m_strDatabaseFolder),
              std::make_pair(0, temp.File("old")));
    EXPECT_EQ(store.WriteCount(), 0);
}

} // namespace
} // namespace qb
