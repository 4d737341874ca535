#include "shell/dialogs/ColorSetDlg.h"
#include "shell/dialogs/ColourSwatchButton.h"
#include "shell/dialogs/UserColorDlg.h"

#include "colour/ColourStore.h"
#include "colour/PresetSchemes.h"
#include "platform/MemorySettingsStore.h"
#include "tests/colour/StoredSchemes.h"
#include "tests/shell_dialogs/DialogChildren.h"
#include "tests/shell_dialogs/ModalDriver.h"
#include "tests/support/RecordingMessageSink.h"

#include <QColorDialog>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::Child;
using test::Click;
using test::IsEnabled;
using test::OnModal;

struct ColourDialogsQt : ::testing::Test {
    CMemorySettingsStore store;
    test::CRecordingMessageSink messages;

    std::string Text(int index) { return store.GetSettingString("USER_COLOR", SchemeKey(index), "<none>"); }
    int Int(std::string_view section, std::string_view key) { return store.GetSettingInt(section, key, -99); }
    static std::vector<bool> UserControls(QWidget& dialog)
    {
        return {IsEnabled(dialog, "schemeList"), IsEnabled(dialog, "newButton"), IsEnabled(dialog, "editButton"),
                IsEnabled(dialog, "deleteButton")};
    }
    static QLineEdit* Name(QWidget& editor) { return Child<QLineEdit>(editor, "nameEdit"); }
    static CColourSwatchButton* Swatch(QWidget& editor, int swatch)
    {
        return Child<CColourSwatchButton>(editor, ("swatch" + std::to_string(swatch)).c_str());
    }
    // The colour painted in the middle of a swatch.
    static QColor Painted(CColourSwatchButton* swatch)
    {
        swatch->resize(24, 24);
        const QImage image = swatch->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

TEST_F(ColourDialogsQt, AFreshStoreOffersOnlyNewAndTheEmptyUserSchemeKeepsTheDialogOpen)
{
    std::vector<bool> openAfter;
    OnModal<CColorSetDlg>([&](CColorSetDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("色の設定"));
        EXPECT_TRUE(Child<QAbstractButton>(dialog, "scheme5")->isChecked());
        EXPECT_EQ(Child<QAbstractButton>(dialog, "scheme5")->text(), QStringLiteral("夏の色彩(&M)"));
        EXPECT_EQ(Child<QComboBox>(dialog, "schemeList")->count(), 0);
        EXPECT_EQ(UserControls(dialog), (std::vector<bool>{false, false, false, false}));
        Click(dialog, "scheme7");
        EXPECT_EQ(UserControls(dialog), (std::vector<bool>{false, true, false, false}));
        dialog.accept();
        openAfter.push_back(dialog.isVisible());
        dialog.close();
        openAfter.push_back(dialog.isVisible());
        Click(dialog, "scheme2");
        EXPECT_EQ(UserControls(dialog), (std::vector<bool>{false, false, false, false}));
        Click(dialog, "okButton");
    });
    int scheme = 5;
    EXPECT_TRUE(RunColourSchemeDialog(store, messages, nullptr, scheme));
    EXPECT_EQ(scheme, 2);
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true}));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, "ユーザ定義の配色は設定されていません")));

    OnModal<CColorSetDlg>([](CColorSetDlg& dialog) {
        Click(dialog, "scheme0");
        Click(dialog, "cancelButton");
    });
    EXPECT_FALSE(RunColourSchemeDialog(store, messages, nullptr, scheme));
    EXPECT_EQ(scheme, 2);
}

TEST_F(ColourDialogsQt, NewRefusesEmptyTakenAndCommaNamesThenStoresAndListsTheScheme)
{
    test::StoreSchemes(store, {"dup,0,1"}, 0);
    CColorSetDlg dialog(store, messages, kUserScheme, nullptr);
    auto* list = Child<QComboBox>(dialog, "schemeList");
    EXPECT_EQ(list->itemText(0), QStringLiteral("dup"));
    EXPECT_EQ(UserControls(dialog), (std::vector<bool>{true, true, true, true}));

    bool openAfterRefusals = false;
    OnModal<CUserColorDlg>([&](CUserColorDlg& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("ユーザ定義色の設定"));
        EXPECT_TRUE(Child<QAbstractButton>(editor, "kind2")->isChecked());
        EXPECT_FALSE(Name(editor)->isReadOnly());
        editor.accept();
        for (const QString& name : {QStringLiteral("dup"), QStringLiteral("a,b")}) {
            Name(editor)->setText(name);
            editor.accept();
        }
        openAfterRefusals = editor.isVisible();
        Name(editor)->setText(QStringLiteral("a"));
        Click(editor, "kind1");
        Click(editor, "okButton");
    });
    Click(dialog, "newButton");
    EXPECT_TRUE(openAfterRefusals);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"配色の定義名を入力してください",
                                                          "配色の定義名はすでに存在します",
                                                          "配色の定義名に不正な文字 \" ,\" が含まれています"}));
    EXPECT_EQ(Text(1), "a,1,65280,16777215");
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 2);
    EXPECT_EQ(Int("USER_COLOR_DEF", "Kind"), 1);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), QStringLiteral("a"));
}

TEST_F(ColourDialogsQt, EditOpensTheSelectedSchemeWithItsNameFixedAndDeleteAsksFirst)
{
    test::StoreSchemes(store, {"a,0,1", "b,1,255"}, 0);
    CColorSetDlg dialog(store, messages, kUserScheme, nullptr);
    Child<QComboBox>(dialog, "schemeList")->setCurrentIndex(1);
    OnModal<CUserColorDlg>([](CUserColorDlg& editor) {
        EXPECT_TRUE(Name(editor)->isReadOnly());
        EXPECT_EQ(Name(editor)->text(), QStringLiteral("b"));
        EXPECT_TRUE(Child<QAbstractButton>(editor, "kind1")->isChecked());
        EXPECT_EQ(std::make_pair(IsEnabled(editor, "colourGroup0"), IsEnabled(editor, "colourGroup1")),
                  std::make_pair(false, true));
        EXPECT_EQ(Swatch(editor, kLowSwatch)->Fill(), 255u);
        EXPECT_EQ(Swatch(editor, kHighSwatch)->Fill(), 0xFFFFFFu);
        EXPECT_EQ(Swatch(editor, kSingleSwatch)->Fill(), 0xC0C0C0u);
        Click(editor, "kind0");
        EXPECT_FALSE(IsEnabled(editor, "swatch1"));
        EXPECT_EQ(Swatch(editor, kSingleSwatch)->Fill(), 0x00FF00u);
        editor.accept();
    });
    Click(dialog, "editButton");
    EXPECT_EQ(Text(1), "b,0,65280");
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 1);

    messages.QueueAnswer(MessageResult::Cancel);
    Click(dialog, "deleteButton");
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 2);
    Click(dialog, "deleteButton");
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, "b を削除します、よろしいですか？")));
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 1);
    auto* list = Child<QComboBox>(dialog, "schemeList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentText(), QStringLiteral("a"));
}

TEST_F(ColourDialogsQt, ASwatchOpensThePickerWithTheCustomColoursAndKeepsWhatOkReturns)
{
    store.WriteSettingInt("USER_COLOR", "custom03", 0x123456);
    CUserColorDlg editor(store, messages, UserColorRequest{}, nullptr);
    const int slope2 = kFirstSlopeSwatch + 2;
    QColor initial;
    QColor custom3;
    OnModal<QColorDialog>([&](QColorDialog& picker) {
        initial = picker.currentColor();
        custom3 = QColorDialog::customColor(3);
        QColorDialog::setCustomColor(15, QColor(0xFF, 0x00, 0x00));
        picker.setCurrentColor(QColor(0xEF, 0xCD, 0xAB));
        picker.accept();
    });
    Click(editor, "swatch5");
    EXPECT_EQ(initial, QColor(0x70, 0xDF, 0x00));
    EXPECT_EQ(custom3, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(Int("USER_COLOR", "custom15"), 0x0000FF);
    EXPECT_EQ(Int("USER_COLOR", "custom00"), 0xFFFFFF);
    EXPECT_EQ(Swatch(editor, slope2)->Fill(), 0xABCDEFu);
    EXPECT_EQ(Painted(Swatch(editor, slope2)), QColor(0xEF, 0xCD, 0xAB));
    EXPECT_EQ(Painted(Swatch(editor, kLowSwatch)), QColor(0xC0, 0xC0, 0xC0));

    OnModal<QColorDialog>([](QColorDialog& picker) {
        QColorDialog::setCustomColor(15, QColor(0x00, 0xFF, 0x00));
        picker.setCurrentColor(QColor(0x01, 0x02, 0x03));
        picker.reject();
    });
    Click(editor, "swatch5");
    EXPECT_EQ(Int("USER_COLOR", "custom15"), 0x0000FF) << "a cancelled picker stores nothing";
    EXPECT_EQ(Swatch(editor, slope2)->Fill(), 0xABCDEFu);

    Name(editor)->setText(QStringLiteral("p"));
    Click(editor, "okButton");
    EXPECT_EQ(Text(0), "p,2,8845319,6618980,11259375,50176,35840,5471880,3236975,2443602");
}

TEST_F(ColourDialogsQt, TheNameEditRefusesWhatWouldPassSixtyFourShiftJisBytes)
{
    CUserColorDlg editor(store, messages, UserColorRequest{}, nullptr);
    QLineEdit* name = Name(editor);
    name->insert(QString(33, QChar(u'あ')));
    EXPECT_TRUE(name->text().isEmpty());
    name->insert(QString(32, QChar(u'あ')));
    EXPECT_EQ(name->text().size(), 32);
    name->clear();
    name->insert(QString(64, QChar(u'ｱ')));
    EXPECT_EQ(name->text().size(), 64) << "half-width katakana take one byte each";
}

} // namespace
} // namespace qb
