#include "shell/dialogs/Cp932EditLimit.h"
#include "shell/dialogs/InputNameDlg.h"
#include "shell/dialogs/QtNameInputDialog.h"

#include "places/InputName.h"
#include "tests/shell_dialogs/ModalDriver.h"
#include "tests/support/RecordingMessageSink.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::OnModal;

struct InputNameDialog : ::testing::Test {
    test::CRecordingMessageSink messages;
    CInputName fields;

    void SetUp() override
    {
        fields.SetPoint(1234.5, 250, 1500);
        fields.m_nLevel = 0;
        fields.m_nKind = 0;
    }
    template <class T>
    static T* Find(QWidget& dialog, const char* name)
    {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void Click(QWidget& dialog, const char* name)
    {
        if (auto* button = Find<QAbstractButton>(dialog, name))
            button->click();
    }
};

TEST_F(InputNameDialog, OpensWithTheChoicesOfTheFieldsAndDeleteOnlyWhenEditing)
{
    fields.m_bEditing = 1;
    fields.m_strName = "北岳";
    CInputName::ChoiceFromKind(7, fields.m_nLevel, fields.m_nKind);   // second-level ridge
    CInputNameDlg existing(fields, messages, nullptr);
    EXPECT_TRUE(Find<QAbstractButton>(existing, "kind2")->isChecked());
    EXPECT_TRUE(Find<QAbstractButton>(existing, "level1")->isChecked());
    EXPECT_TRUE(Find<QWidget>(existing, "deleteButton")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(existing, "nameEdit")->text(), QStringLiteral("北岳"));
    QStringList labels;
    for (const QLabel* label : existing.findChildren<QLabel*>())
        labels << label->text();
    for (const QString& text : {QStringLiteral("標高 : "), QStringLiteral("1234.5m"), QStringLiteral("   250m"),
                                QStringLiteral("  1500m")})
        EXPECT_TRUE(labels.contains(text)) << text.toStdString();

    fields.m_bEditing = 0;
    CInputNameDlg fresh(fields, messages, nullptr);
    EXPECT_FALSE(Find<QWidget>(fresh, "deleteButton")->isEnabled());
}

TEST_F(InputNameDialog, APointWithoutDataShowsThatInsteadOfAHeight)
{
    fields.SetPoint(std::nullopt, 250, 1500);
    CInputNameDlg dialog(fields, messages, nullptr);
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("データなし"))) << labels.join(u'|').toStdString();
    EXPECT_FALSE(labels.contains(QStringLiteral("1234.5m")));
}

TEST_F(InputNameDialog, KindButtonsGreyTheLevelsButTheOpeningStateIsKept)
{
    fields.m_nKind = 6;   // a pass has no level, yet the levels open usable
    CInputNameDlg dialog(fields, messages, nullptr);
    QGroupBox* levels = Find<QGroupBox>(dialog, "levelGroup");
    EXPECT_TRUE(levels->isEnabled());
    Click(dialog, "kind6");
    EXPECT_FALSE(levels->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dialog, "level0")->isEnabled());
    Click(dialog, "kind1");
    EXPECT_TRUE(levels->isEnabled());
    Click(dialog, "kind3");
    EXPECT_FALSE(levels->isEnabled());
}

TEST_F(InputNameDialog, OkWithoutANameWarnsAndStaysOpenThenTakesTheChoices)
{
    CQtNameInputDialog runner(nullptr, messages);
    bool openAfterEmptyOk = false;
    OnModal<CInputNameDlg>([&](CInputNameDlg& dialog) {
        dialog.accept();
        openAfterEmptyOk = dialog.isVisible();
        Click(dialog, "level2");
        Click(dialog, "kind6");
        Find<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral(" "));
        dialog.accept();
    });
    EXPECT_EQ(runner.Run(fields), kNameInputOk);
    EXPECT_TRUE(openAfterEmptyOk);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "地名が入力されていません。");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fields.m_strName, " ");   // blanks are a name
    EXPECT_EQ(CInputName::KindFromChoice(fields.m_nLevel, fields.m_nKind), 12);
}

TEST_F(InputNameDialog, DeleteAndCancelEndWithoutReadingTheFields)
{
    fields.m_bEditing = 1;
    fields.m_strName = "旧名";
    CQtNameInputDialog runner(nullptr, messages);
    for (const char* button : {"deleteButton", ""}) {
        OnModal<CInputNameDlg>([&, button](CInputNameDlg& dialog) {
            Find<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("新名"));
            Click(dialog, "kind4");
            if (*button)
                Click(dialog, button);
            else
                dialog.close();
        });
        EXPECT_EQ(runner.Run(fields), *button ? kNameInputDelete : kNameInputCancel);
    }
    EXPECT_EQ(fields.m_strName, "旧名");
    EXPECT_EQ(fields.m_nKind, 0);
}

TEST_F(InputNameDialog, NameIsKeptWithinThirtyBytesWithoutLosingWhatWasTyped)
{
    CInputNameDlg dialog(fields, messages, nullptr);
    QLineEdit* edit = Find<QLineEdit>(dialog, "nameEdit");
    edit->insert(QString(16, QChar(u'あ')));
    EXPECT_EQ(edit->text(), QString(15, QChar(u'あ')));

    // Typing into a full edit leaves it as it was; half-width katakana take one byte each.
    const QString full = QStringLiteral("山") + QString(26, QChar(u'a')) + QStringLiteral("川");
    edit->setText(full);
    edit->setCursorPosition(1);
    edit->insert(QStringLiteral("ｶﾜ"));
    EXPECT_EQ(edit->text(), full);
    edit->setText(QStringLiteral("山") + QString(24, QChar(u'a')) + QStringLiteral("川"));
    edit->setCursorPosition(1);
    edit->insert(QStringLiteral("ｶﾜ谷"));
    EXPECT_EQ(edit->text(), QStringLiteral("山ｶﾜ") + QString(24, QChar(u'a')) + QStringLiteral("川"));
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST(Cp932EditLimit, CutsOnlyTheInsertionAndNeverHalfASurrogatePair)
{
    int cursor = 0;
    const QString full(15, QChar(u'あ'));
    EXPECT_EQ(LimitEditToCp932Bytes(full, full + QStringLiteral("い"), 30, cursor), full);
    EXPECT_EQ(cursor, 15);

    // A character outside code page 932 counts as one byte, and is dropped whole.
    const QString before(14, QChar(u'あ'));
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(LimitEditToCp932Bytes(before, before + QStringLiteral("a") + emoji + emoji, 30, cursor),
              before + QStringLiteral("a") + emoji);
    EXPECT_EQ(cursor, 17);
}

} // namespace
} // namespace qb
