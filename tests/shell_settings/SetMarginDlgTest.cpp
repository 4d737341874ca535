#include "shell/settings/SetMarginDlg.h"
#include "shell/settings/SettingsCommands.h"

#include "print/MarginSettings.h"
#include "tests/shell_settings/SettingsFixture.h"

namespace qb {
namespace {

using test::OnModal;
using Texts = std::vector<std::string>;

struct MarginCommand : test::SettingsFixture {
    void SetUp() override { app.m_rcMargins = {1440, 1440, 1440, 1440}; }
    static std::string Shown(const QWidget& dialog, const char* edit) { return EditText(dialog, edit).toStdString(); }
};

TEST_F(MarginCommand, SwitchingUnitsShowsTheSameMarginsAndOkStoresThemUnchanged)
{
    app.m_rcMargins = {1440, 100, 1000, 0};
    std::vector<std::string> inCentimetres, inInches, backInCentimetres;
    OnModal<CSetMarginDlg>([&](CSetMarginDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "マージンの設定");
        EXPECT_TRUE(Child(dialog, "unit0")->isChecked());
        EXPECT_EQ(Child(dialog, "unit1")->text().toStdString(), "インチ(&I)");
        inCentimetres = {Shown(dialog, "leftEdit"), Shown(dialog, "topEdit"), Shown(dialog, "rightEdit"),
                         Shown(dialog, "bottomEdit")};
        Child(dialog, "unit1")->click();
        inInches = {Shown(dialog, "leftEdit"), Shown(dialog, "topEdit"), Shown(dialog, "rightEdit"),
                    Shown(dialog, "bottomEdit")};
        Child(dialog, "unit0")->click();
        backInCentimetres = {Shown(dialog, "leftEdit"), Shown(dialog, "topEdit")};
        Child(dialog, "unit1")->click();
        dialog.accept();
    });
    EXPECT_TRUE(RunMarginCommand(app, messages, nullptr));
    EXPECT_EQ(inCentimetres, (Texts{"2.54", "0.18", "1.76", "0"}));
    EXPECT_EQ(inInches, (Texts{"1.00", "0.07", "0.69", "0.00"}));
    EXPECT_EQ(backInCentimetres, (Texts{"2.54", "0.18"}));
    // 100 became 0.18 cm, which is 102 in 1/1440 inch, and 1000 became
    // 1.76 cm, 998; the two decimals shown in inches (0.69 would be 1.75 cm)
    // never reached the stored values.
    EXPECT_EQ(app.m_rcMargins, (MarginRect{1440, 102, 998, 0}));
    EXPECT_EQ(app.m_nMarginUnits, 1);
    EXPECT_EQ(store.GetSettingInt("Margin", "left", -1), 1440);
    EXPECT_EQ(store.GetSettingInt("Margin", "top", -1), 102);
    EXPECT_EQ(store.GetSettingInt("Margin", "units", -1), 1);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MarginCommand, TypedValuesCountInTheShownUnit)
{
    app.m_nMarginUnits = 1;
    OnModal<CSetMarginDlg>([&](CSetMarginDlg& dialog) {
        EXPECT_EQ(Shown(dialog, "rightEdit"), "1");
        Child<QLineEdit>(dialog, "rightEdit")->setText(QStringLiteral("0.5"));
        dialog.accept();
    });
    EXPECT_TRUE(RunMarginCommand(app, messages, nullptr));
    EXPECT_EQ(app.m_rcMargins, (MarginRect{1440, 1440, 720, 1440}));
}

TEST_F(MarginCommand, AMarginOverFiveInchesIsRefusedWithTheFocusOnItsEdit)
{
    bool stayedOpen = false;
    bool focusOnEdit = false;
    OnModal<CSetMarginDlg>([&](CSetMarginDlg& dialog) {
        Child(dialog, "unit1")->click();
        auto* bottom = Child<QLineEdit>(dialog, "bottomEdit");
        bottom->setText(QStringLiteral("5.01"));
        dialog.accept();
        stayedOpen = dialog.isVisible();
        focusOnEdit = dialog.focusWidget() == bottom;
        bottom->setText(QStringLiteral("abc"));
        dialog.accept();
        dialog.reject();
    });
    EXPECT_FALSE(RunMarginCommand(app, messages, nullptr));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnEdit);
    EXPECT_EQ(messages.Texts(), (Texts{"0 から 5 までの数字を入力してください。", "数字を入力してください。"}));
    EXPECT_EQ(app.m_rcMargins, (MarginRect{1440, 1440, 1440, 1440}));
    EXPECT_EQ(app.m_nMarginUnits, 0);
    EXPECT_EQ(store.WriteCount(), 0);
}

} // namespace
} // namespace qb
