#include "shell/dialogs/DirSetDlg.h"
#include "shell/dialogs/FolderSettingsCommand.h"

#include "app/TessimApp.h"
#include "platform/FolderChooser.h"
#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/shell_dialogs/ModalDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

using test::OnModal;

// Answers every request with one folder and remembers where it opened.
class CFixedFolderChooser final : public IFolderChooser {
public:
    std::optional<std::string> ChooseFolder(const std::string& startFolder, std::string_view) override
    {
        startedAt.push_back(startFolder);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::string> startedAt;
};

struct FolderSettingsDialog : ::testing::Test {
    test::CTempDir temp;
    CMemorySettingsStore store;
    test::CFakeSystemServices system;
    test::CRecordingMessageSink messages;
    CTessimApp app{store, system, messages};
    CFixedFolderChooser chooser;

    void SetUp() override
    {
        app.m_strDocumentsFolder = temp.File("Documents");
        app.m_strDatabaseFolder = temp.File("old");
    }
    static QLineEdit* Edit(QWidget& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("folderEdit")); }
    static void Click(QWidget& dialog, const char* name)
    {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
};

TEST_F(FolderSettingsDialog, DefaultShowsTheCreatedFolderAndOkStoresIt)
{
    QString shownAtStart;
    OnModal<CDirSetDlg>([&](CDirSetDlg& dialog) {
        shownAtStart = Edit(dialog)->text();
        Click(dialog, "defaultButton");
        dialog.accept();
    });
    EXPECT_TRUE(RunFolderSettingsCommand(app, nullptr, chooser));
    const std::string expected = temp.File("Documents/Quarrenby");
    EXPECT_EQ(shownAtStart.toStdString(), temp.File("old"));
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_EQ(app.m_strDatabaseFolder, expected);
    EXPECT_EQ(app.m_bDatabaseFolderSet, 1);
    EXPECT_EQ(store.GetSettingString("Param", "Database", ""), expected);
}

TEST_F(FolderSettingsDialog, CancelChangesNothingAndAMissingFolderIsRefused)
{
    OnModal<CDirSetDlg>([&](CDirSetDlg& dialog) {
        Click(dialog, "defaultButton");
        dialog.reject();
    });
    EXPECT_FALSE(RunFolderSettingsCommand(app, nullptr, chooser));

    chooser.answer = temp.File("missing");
    OnModal<CDirSetDlg>([&](CDirSetDlg& dialog) {
        Edit(dialog)->setText(QString::fromStdString(temp.Path()));
        Click(dialog, "browseButton");   // opens at the typed text
        dialog.accept();
    });
    EXPECT_FALSE(RunFolderSettingsCommand(app, nullptr, chooser));
    EXPECT_EQ(chooser.startedAt, std::vector<std::string>{temp.Path()});
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"指定されたディレクトリは見つかりません"});
    EXPECT_EQ(app.m_strDatabaseFolder, temp.File("old"));
    EXPECT_EQ(app.m_bDatabaseFolderSet, 0);
    EXPECT_EQ(store.WriteCount(), 0);
}

} // namespace
} // namespace qb
