#include "shell/settings/MapSelectDlg.h"
#include "shell/settings/SettingsCommands.h"

#include "tests/shell_settings/SettingsFixture.h"

#include <QPushButton>

#include <filesystem>

namespace qb {
namespace {

using test::OnModal;
using Texts = std::vector<std::string>;

struct MapSelectCommand : test::SettingsFixture {
    void SetUp() override { app.m_strDatabaseFolder = temp.File("db"); }
    void AddTile(const std::string& relative) const
    {
        const std::string path = temp.File("db/" + relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        test::WriteFileBytes(path, "");
    }
    static std::vector<bool> EnabledButtons(const QWidget& dialog)
    {
        std::vector<bool> enabled;
        for (const char* name : {"setting0", "setting1", "setting2", "setting3", "setting4", "setting5"})
            enabled.push_back(Child(dialog, name)->isEnabled());
        return enabled;
    }
};

TEST_F(MapSelectCommand, OnlyFiveMetreTilesEnableAndPreselectTheFiveMetreSetting)
{
    AddTile("5m/5339-06-00.3dm");
    app.m_nMapKind = 1;  // no 10 m tiles any more
    OnModal<CMapSelectDlg>([&](CMapSelectDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "地図の選択");
        EXPECT_EQ(EnabledButtons(dialog), (std::vector<bool>{false, false, true, false, false, false}));
        EXPECT_EQ(Child(dialog, "setting2")->text().toStdString(), "5m メッシュ");
        EXPECT_EQ(Child(dialog, "setting5")->text().toStdString(), "1m 5m 10m Hybrid メッシュ");
        EXPECT_TRUE(Child(dialog, "setting2")->isChecked());
        EXPECT_TRUE(Child(dialog, "okButton")->isEnabled());
        dialog.accept();
    });
    EXPECT_EQ(RunMapSelectDialog(app, messages, nullptr), 2);
    EXPECT_EQ(app.m_nMapKind, 2);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MapSelectCommand, TheStoredSettingIsKeptWhenItHasDataAndCancelChangesNothing)
{
    AddTile("10m/5339-06.3dm");
    AddTile("5m/5339-06-00.3dm");
    app.m_nMapKind = 3;
    OnModal<CMapSelectDlg>([&](CMapSelectDlg& dialog) {
        EXPECT_EQ(EnabledButtons(dialog), (std::vector<bool>{false, true, true, true, false, false}));
        EXPECT_TRUE(Child(dialog, "setting3")->isChecked());
        Child(dialog, "setting1")->click();
        dialog.reject();
    });
    EXPECT_EQ(RunMapSelectDialog(app, messages, nullptr), std::nullopt);
    EXPECT_EQ(app.m_nMapKind, 3);
}

TEST_F(MapSelectCommand, ADataDiscEnablesTheDiscSettingUnderTheDiscsName)
{
    const std::string disc = temp.File("disc");
    std::filesystem::create_directories(disc + "/Data/250m");
    test::WriteFileBytes(disc + "/Data/250m/5639.sem", "");
    system.volumes = {{"/", "ext4", "/dev/sda1"}, {disc, "iso9660", "/dev/sr0", true}};
    app.m_chDataDrive = 'B';
    OnModal<CMapSelectDlg>([&](CMapSelectDlg& dialog) {
        EXPECT_EQ(EnabledButtons(dialog), (std::vector<bool>{true, false, false, false, false, false}));
        EXPECT_EQ(Child(dialog, "setting0")->text().toStdString(), "数値地図２５０ｍメッシュ");
        EXPECT_TRUE(Child(dialog, "setting0")->isChecked());
        dialog.accept();
    });
    EXPECT_EQ(RunMapSelectDialog(app, messages, nullptr), 0);
}

TEST_F(MapSelectCommand, AnEmptyDatabaseWithoutADiscIsReportedAndNothingCanBeChosen)
{
    bool okEnabled = true;
    OnModal<CMapSelectDlg>([&](CMapSelectDlg& dialog) {
        EXPECT_EQ(EnabledButtons(dialog), std::vector<bool>(6, false));
        okEnabled = Child(dialog, "okButton")->isEnabled();
        dialog.accept();  // refused: there is no choice to take
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    app.m_nMapKind = 4;
    EXPECT_EQ(RunMapSelectDialog(app, messages, nullptr), std::nullopt);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(messages.Texts(), Texts{"データベースフォルダにデータが見つかりません。"});
    EXPECT_EQ(app.m_nMapKind, 4);
}

} // namespace
} // namespace qb
