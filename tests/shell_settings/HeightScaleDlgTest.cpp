#include "shell/settings/2DMethodDlg.h"
#include "shell/settings/HightTimeDlg.h"
#include "shell/settings/SettingsCommands.h"

#include "tests/shell_settings/SettingsFixture.h"

#include <QLabel>

namespace qb {
namespace {

using test::OnModal;
using Texts = std::vector<std::string>;

struct HeightScaleCommand : test::SettingsFixture {};

TEST_F(HeightScaleCommand, ShowsTheStoredChoiceWithTheEditOnlyForAFreeFactor)
{
    app.m_nHeightScaleIndex = 2;
    app.m_dHeightScale = 1.5;
    OnModal<CHightTimeDlg>([&](CHightTimeDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "高さの強調表示");
        EXPECT_TRUE(Child(dialog, "choice2")->isChecked());
        EXPECT_EQ(Child(dialog, "choice4")->text().toStdString(), "任意の倍率");
        EXPECT_EQ(EditText(dialog, "factorEdit").toStdString(), "1.5");
        EXPECT_FALSE(Child<QLineEdit>(dialog, "factorEdit")->isEnabled());
        EXPECT_FALSE(Child<QLabel>(dialog, "unitLabel")->isEnabled());
        Child(dialog, "choice4")->click();
        EXPECT_TRUE(Child<QLineEdit>(dialog, "factorEdit")->isEnabled());
        EXPECT_TRUE(Child<QLabel>(dialog, "unitLabel")->isEnabled());
        Child(dialog, "choice0")->click();
        EXPECT_FALSE(Child<QLineEdit>(dialog, "factorEdit")->isEnabled());
        dialog.accept();
    });
    EXPECT_TRUE(RunHeightScaleCommand(app, messages, nullptr));
    EXPECT_EQ(app.m_nHeightScaleIndex, 0);
    EXPECT_DOUBLE_EQ(app.m_dHeightScale, 0.5);
}

TEST_F(HeightScaleCommand, AFreeFactorOutOfRangeIsRefusedAndTheDialogStaysOpen)
{
    bool stayedOpen = false;
    bool focusOnEdit = false;
    OnModal<CHightTimeDlg>([&](CHightTimeDlg& dialog) {
        Child(dialog, "choice4")->click();
        auto* edit = Child<QLineEdit>(dialog, "factorEdit");
        edit->setText(QStringLiteral("0"));
        dialog.accept();
        stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        focusOnEdit = dialog.focusWidget() == edit;
        edit->setText(QStringLiteral("3.5"));
        dialog.accept();
    });
    EXPECT_TRUE(RunHeightScaleCommand(app, messages, nullptr));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnEdit);
    EXPECT_EQ(messages.Texts(), Texts{"0.1 から 10 までの数字を入力してください。"});
    EXPECT_EQ(app.m_nHeightScaleIndex, 4);
    EXPECT_DOUBLE_EQ(app.m_dHeightScale, 3.5);
}

TEST_F(HeightScaleCommand, CancelKeepsTheStoredValues)
{
    app.m_nHeightScaleIndex = 4;
    app.m_dHeightScale = 2.5;
    OnModal<CHightTimeDlg>([&](CHightTimeDlg& dialog) {
        Child(dialog, "choice3")->click();
        dialog.reject();
    });
    EXPECT_FALSE(RunHeightScaleCommand(app, messages, nullptr));
    EXPECT_EQ(app.m_nHeightScaleIndex, 4);
    EXPECT_DOUBLE_EQ(app.m_dHeightScale, 2.5);
}

TEST(TwoDMethodDialog, ShowsTheMethodAndOkTakesTheChoice)
{
    int method = 1;
    OnModal<C2DMethodDlg>([&](C2DMethodDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "2次元図表示方法の選択");
        EXPECT_TRUE(test::SettingsFixture::Child(dialog, "method1")->isChecked());
        EXPECT_EQ(test::SettingsFixture::Child(dialog, "method0")->text().toStdString(), "等高線図");
        test::SettingsFixture::Child(dialog, "method0")->click();
        dialog.accept();
    });
    EXPECT_TRUE(Run2DMethodDialog(method, nullptr));
    EXPECT_EQ(method, 0);

    OnModal<C2DMethodDlg>([](C2DMethodDlg& dialog) {
        test::SettingsFixture::Child(dialog, "method1")->click();
        dialog.reject();
    });
    EXPECT_FALSE(Run2DMethodDialog(method, nullptr));
    EXPECT_EQ(method, 0);
}

} // namespace
} // namespace qb
