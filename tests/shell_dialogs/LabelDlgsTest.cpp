#include "shell/dialogs/LabelFontQt.h"
#include "shell/dialogs/SelectFontDlg.h"
#include "shell/dialogs/SelectLevelDlg.h"

#include "platform/MemorySettingsStore.h"
#include "tests/shell_dialogs/DialogChildren.h"
#include "tests/shell_dialogs/ModalDriver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

using test::Child;
using test::Click;
using test::IsEnabled;
using test::OnModal;

struct LabelDialogsQt : ::testing::Test {
    CMemorySettingsStore store;
    CLabelState state;
    int repaints = 0;
    std::function<void()> Repaint()
    {
        return [this] { ++repaints; };
    }
    static QColor PreviewColour(QWidget& dialog)
    {
        return Child<QLabel>(dialog, "preview")->palette().color(QPalette::WindowText);
    }
    static int PreviewPixels(QWidget& dialog) { return Child<QLabel>(dialog, "preview")->font().pixelSize(); }
};

TEST(LabelFontQt, ChooserSizesAreInPointsAndChoicesKeepTheRecordsOtherFields)
{
    LabelFont font;
    font.height = -13;
    font.weight = 700;
    font.italic = 1;
    EXPECT_DOUBLE_EQ(ChooserFontOf(font, 96).pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(ChooserFontOf(font, 72).pointSizeF(), 13.0);
    EXPECT_TRUE(ChooserFontOf(font, 96).bold());
    EXPECT_TRUE(ChooserFontOf(font, 96).italic());

    font.quality = 5;
    font.colour = 0x123456;
    QFont chosen(QStringLiteral("Some Face"));
    chosen.setPointSize(12);
    chosen.setStrikeOut(true);
    const LabelFont taken = LabelFontFromChoice(font, chosen, 120);
    EXPECT_EQ(taken.height, -20);
    EXPECT_EQ(taken.faceName, "Some Face");
    EXPECT_EQ(taken.weight, 400);
    EXPECT_EQ(std::make_tuple(taken.italic, taken.underline, taken.strikeOut), std::make_tuple(0, 0, 1));
    EXPECT_EQ(std::make_tuple(taken.quality, taken.charSet, taken.colour), std::make_tuple(5, 128, 0x123456u));
    chosen.setPixelSize(17);
    EXPECT_EQ(LabelFontFromChoice(font, chosen, 120).height, -17);
}

TEST_F(LabelDialogsQt, FontDialogListsTheKindsAndPreviewsTheSelectedFontAndColour)
{
    store.WriteSettingInt("River2", "Height", -20);
    store.WriteSettingInt("River2", "FontColor", 0x563412);
    CSelectFontDlg dialog(store, state, Repaint(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾌｫﾝﾄの設定"));
    EXPECT_EQ(Child<QAbstractButton>(dialog, "fontButton")->text(), QStringLiteral("ﾌｫﾝﾄの選択(&F)..."));
    auto* list = Child<QListWidget>(dialog, "kindList");
    ASSERT_EQ(list->count(), kPlaceKindCount);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("川､谷、沢、ルンゼ 第一水準"));
    EXPECT_EQ(list->item(13)->text(), QStringLiteral("その他"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(PreviewPixels(dialog), 13);
    EXPECT_EQ(PreviewColour(dialog), QColor(Qt::black));

    list->setCurrentRow(kRiver2);
    EXPECT_EQ(PreviewPixels(dialog), 20);
    EXPECT_EQ(PreviewColour(dialog), QColor(0x12, 0x34, 0x56));
}

TEST_F(LabelDialogsQt, FontChooserOpensOnTheKindsFontAndOkStoresTheChoice)
{
    store.WriteSettingInt("Fall", "Weight", 700);
    store.WriteSettingInt("Fall", "Italic", 1);
    CSelectFontDlg dialog(store, state, Repaint(), nullptr);
    Child<QListWidget>(dialog, "kindList")->setCurrentRow(kFall);
    const int dpi = dialog.logicalDpiY();
    QFont opened;
    OnModal<QFontDialog>([&](QFontDialog& chooser) {
        opened = chooser.currentFont();
        QFont choice(opened.family(), 15);
        choice.setUnderline(true);
        chooser.setCurrentFont(choice);
        chooser.accept();
    });
    Click(dialog, "fontButton");
    // A face that is not installed opens the chooser on the family drawn instead.
    EXPECT_EQ(opened.family(), QFontInfo(QFontOfLabel(state.fonts[kFall])).family());
    EXPECT_EQ(opened.pointSize(), static_cast<int>(std::lround(12 * 72.0 / dpi)));
    // The weight survives even where the family has no italic style to show.
    EXPECT_TRUE(opened.bold());

    const LabelFont& held = dialog.Font(kFall);
    const int height = -static_cast<int>(std::lround(15 * dpi / 72.0));
    EXPECT_EQ(held.height, height);
    EXPECT_EQ(std::make_tuple(held.weight, held.italic, held.underline), std::make_tuple(400, 0, 1));
    EXPECT_EQ(held.faceName, opened.family().toStdString());
    EXPECT_EQ(held.colour, 0xFF0000u);
    EXPECT_EQ(PreviewPixels(dialog), -height);
    EXPECT_EQ(store.GetSettingInt("Fall", "Underline", 0), 0) << "stored only on OK";

    Click(dialog, "okButton");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(state.fonts[kFall].height, height);
    EXPECT_EQ(store.GetSettingInt("Fall", "Height", 0), height);
    EXPECT_EQ(store.GetSettingInt("Fall", "Underline", 0), 1);
}

TEST_F(LabelDialogsQt, DoubleClickOpensTheChooserAndTheColourButtonThePicker)
{
    CSelectFontDlg dialog(store, state, Repaint(), nullptr);
    auto* list = Child<QListWidget>(dialog, "kindList");
    list->setCurrentRow(kPass);
    const LabelFont before = dialog.Font(kPass);
    bool chooserOpened = false;
    OnModal<QFontDialog>([&](QFontDialog& chooser) {
        chooserOpened = true;
        chooser.setCurrentFont(QFont(QStringLiteral("Other"), 30));
        chooser.reject();
    });
    Q_EMIT list->itemDoubleClicked(list->item(kPass));
    EXPECT_TRUE(chooserOpened);
    EXPECT_EQ(dialog.Font(kPass).height, before.height) << "a cancelled chooser changes nothing";

    QColor initial;
    OnModal<QColorDialog>([&](QColorDialog& picker) {
        initial = picker.currentColor();
        picker.setCurrentColor(QColor(0x12, 0x34, 0x56));
        picker.accept();
    });
    Click(dialog, "colourButton");
    EXPECT_EQ(initial, QColor(0x80, 0x00, 0x80));
    EXPECT_EQ(dialog.Font(kPass).colour, 0x563412u);
    EXPECT_EQ(PreviewColour(dialog), QColor(0x12, 0x34, 0x56));

    Click(dialog, "cancelButton");
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(state.fonts[kPass].colour, 0x800080u);
    EXPECT_EQ(store.GetSettingInt("Pass", "FontColor", 0), 0x800080);
}

TEST_F(LabelDialogsQt, DisplayDialogGreysTheKindsWhileAutomaticButKeepsAndStoresThem)
{
    CSelectLevelDlg dialog(store, state, Repaint(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("地名表示の設定"));
    EXPECT_TRUE(Child<QAbstractButton>(dialog, "radio1062")->isChecked());
    EXPECT_EQ(Child<QGroupBox>(dialog, "group1064")->title(), QStringLiteral("川、谷、沢、ルンゼの名前"));
    for (const LevelCheckBox& box : kLevelCheckBoxes) {
        const std::string name = "check" + std::to_string(box.id);
        auto* check = Child<QCheckBox>(dialog, name.c_str());
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text().toStdString(), box.text);
        EXPECT_FALSE(check->isEnabled()) << box.id;
        EXPECT_EQ(check->isChecked(), box.kind == kPeak1 || box.kind == kRiver1 || box.kind == kRidge1);
    }
    for (const char* group : {"group1063", "group1064", "group1065", "group1066"})
        EXPECT_FALSE(IsEnabled(dialog, group)) << group;

    Click(dialog, "radio1061");
    for (const char* control : {"group1063", "group1066", "check1026", "check1074"})
        EXPECT_TRUE(IsEnabled(dialog, control)) << control;
    Click(dialog, "check1026");
    Click(dialog, "check1073");
    Click(dialog, "radio1062");
    EXPECT_FALSE(IsEnabled(dialog, "check1073"));
    EXPECT_TRUE(Child<QCheckBox>(dialog, "check1073")->isChecked());

    Click(dialog, "okButton");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(std::make_tuple(state.autoNames, state.showKind[kPeak1], state.showKind[kPass]),
              std::make_tuple(1, 0, 1));
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 0), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Pass", 0), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Peak1", 1), 0);
}

TEST_F(LabelDialogsQt, DisplayDialogOpensManualFromTheStoreAndOnlyOkChangesIt)
{
    store.WriteSettingInt("String", "Auto", 0);
    store.WriteSettingInt("String", "Pond", 1);
    OnModal<CSelectLevelDlg>([](CSelectLevelDlg& dialog) {
        EXPECT_TRUE(Child<QAbstractButton>(dialog, "radio1061")->isChecked());
        EXPECT_TRUE(IsEnabled(dialog, "group1066"));
        Click(dialog, "check1054");
        Click(dialog, "radio1062");
        dialog.close();
    });
    EXPECT_FALSE(RunDisplayDialog(store, nullptr, state));
    EXPECT_EQ(std::make_pair(state.autoNames, state.showKind[kPond]), std::make_pair(0, 1));
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 1), 0);
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 0), 1);

    OnModal<CSelectLevelDlg>([](CSelectLevelDlg& dialog) {
        Click(dialog, "check1054");
        dialog.accept();
    });
    EXPECT_TRUE(RunDisplayDialog(store, nullptr, state));
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 1), 0);
}

} // namespace
} // namespace qb
