#include "app/FolderSettings.h"

#include "app/Folders.h"
#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace qb {
namespace {

// Answers the folder chooser from a script and records how it was opened.
class CScriptedFolderChooser final : public IFolderChooser {
public:
    std::optional<std::string> ChooseFolder(const std::string& startFolder, std::string_view title) override
    {
        starts.push_back(startFolder);
        titles.emplace_back(title);
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> starts;
    std::vector<std::string> titles;
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

TEST_F(FolderSettings, EditStartsWithTheDatabaseFolderAndBrowseStartsThere)
{
    CDirSetLogic dialog(app, chooser);
    EXPECT_EQ(dialog.Text(), temp.File("old"));
    chooser.answers = {temp.File("picked"), std::nullopt};
    dialog.Browse();
    EXPECT_EQ(dialog.Text(), temp.File("picked"));
    dialog.Browse();
    EXPECT_EQ(dialog.Text(), temp.File("picked")) << "a cancelled chooser leaves the edit";
    EXPECT_EQ(chooser.starts, (std::vector<std::string>{temp.File("old"), temp.File("picked")}));
    EXPECT_EQ(chooser.titles[0], "フォルダの指定");
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST_F(FolderSettings, DefaultCreatesDocumentsQuarrenbyAndOkStoresItWithTheFlag)
{
    CDirSetLogic dialog(app, chooser);
    ASSERT_TRUE(dialog.RestoreDefault());
    const std::string expected = temp.File("Documents/Quarrenby");
    EXPECT_EQ(dialog.Text(), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_TRUE(dialog.RestoreDefault()) << "an existing default is simply taken";

    ASSERT_TRUE(ApplyFolderSettings(app, dialog.Text()));
    EXPECT_EQ(app.m_bDatabaseFolderSet, 1);
    EXPECT_EQ(app.m_strDatabaseFolder, expected);
    EXPECT_EQ(store.GetSettingString("Param", "Database", ""), expected);
    EXPECT_EQ(store.GetSettingInt("Param", "DataBaseFolderFlg", 0), 1);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(FolderSettings, UnknownDocumentsFolderCreatesNothing)
{
    app.m_strDocumentsFolder.clear();
    CDirSetLogic dialog(app, chooser);
    EXPECT_FALSE(dialog.RestoreDefault());
    EXPECT_EQ(dialog.Text(), temp.File("old"));
    EXPECT_TRUE(system.createdFolders.empty());
}

TEST_F(FolderSettings, TrailingSeparatorIsDroppedFromTheStoredFolder)
{
    std::filesystem::create_directory(temp.File("db"));
    for (const std::string suffix : {"/", "\\"}) {
        ASSERT_TRUE(ApplyFolderSettings(app, temp.File("db") + suffix));
        EXPECT_EQ(app.m_strDatabaseFolder, temp.File("db"));
        EXPECT_EQ(store.GetSettingString("Param", "Database", ""), temp.File("db"));
    }
}

TEST_F(FolderSettings, MissingFolderIsReportedAndNothingChanges)
{
    for (const std::string& folder : {temp.File("missing"), std::string()}) {
        messages.Clear();
        EXPECT_FALSE(ApplyFolderSettings(app, folder));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, "指定されたディレクトリは見つかりません");
        EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(app.m_bDatabaseFolderSet, 0);
    EXPECT_EQ(app.m_strDatabaseFolder, temp.File("old"));
    EXPECT_EQ(store.WriteCount(), 0);
}

} // namespace
} // namespace qb
