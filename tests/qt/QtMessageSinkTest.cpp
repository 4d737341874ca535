#include "platform/qt/QtMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(QtMessageSink, BoxCarriesCaptionTextIconAndButtons)
{
    const auto box = CreateMessageBox(nullptr, "指定されたディレクトリは見つかりません",
                                      MessageIcon::Exclamation, MessageButtons::YesNoCancel,
                                      kMessageCaption);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quarrenby"));
    EXPECT_EQ(box->text(), QStringLiteral("指定されたディレクトリは見つかりません"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box->isModal());
}

TEST(QtMessageSink, IconsMapOntoMessageBoxIcons)
{
    EXPECT_EQ(QtMessageIcon(MessageIcon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(QtMessageIcon(MessageIcon::Question), QMessageBox::Question);
    EXPECT_EQ(QtMessageIcon(MessageIcon::Information), QMessageBox::Information);
    EXPECT_EQ(QtMessageIcon(MessageIcon::Stop), QMessageBox::Critical);
    EXPECT_EQ(QtMessageIcon(MessageIcon::None), QMessageBox::NoIcon);
}

TEST(QtMessageSink, PressedButtonsMapBackAndClosingAnswersSafely)
{
    EXPECT_EQ(MessageResultFromQt(QMessageBox::Yes, MessageButtons::YesNo), MessageResult::Yes);
    EXPECT_EQ(MessageResultFromQt(QMessageBox::No, MessageButtons::YesNoCancel), MessageResult::No);
    EXPECT_EQ(MessageResultFromQt(QMessageBox::Cancel, MessageButtons::OkCancel),
              MessageResult::Cancel);
    EXPECT_EQ(MessageResultFromQt(QMessageBox::Ok, MessageButtons::Ok), MessageResult::Ok);
    // A box closed without a button.
    EXPECT_EQ(MessageResultFromQt(0, MessageButtons::Ok), MessageResult::Ok);
    EXPECT_EQ(MessageResultFromQt(0, MessageButtons::OkCancel), MessageResult::Cancel);
    EXPECT_EQ(MessageResultFromQt(0, MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(MessageResultFromQt(QMessageBox::Ok, MessageButtons::YesNoCancel),
              MessageResult::Cancel);
}

} // namespace
} // namespace qb
