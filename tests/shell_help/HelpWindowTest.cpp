#include "shell/help/HelpWindow.h"

#include "app/CommandIds.h"
#include "app/HelpTopics.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace qb {
namespace {

QUrl Page(int topic)
{
    return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}

QTextBrowser& BrowserOf(CHelpWindow& window)
{
    auto* browser = window.findChild<QTextBrowser*>();
    EXPECT_NE(browser, nullptr);
    return *browser;
}

QPushButton& ButtonOf(CHelpWindow& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return *button;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return *window.findChild<QPushButton*>();
}

// The centre of the first link to `href` on the shown page, in the
// browser's viewport, scrolled into view.
QPoint LinkPoint(QTextBrowser& browser, const QString& href)
{
    QTextDocument* document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser.setTextCursor(cursor);
            browser.ensureCursorVisible();
            return browser.cursorRect(cursor).center();
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
    return {};
}

TEST(HelpWindow, ShowsTheTopicOfACommandOrAWindowAndTheContentsOtherwise)
{
    CHelpWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quarrenby ヘルプ"));
    window.ShowContext(HelpContextOfCommand(cmd::kFileOpen));
    EXPECT_EQ(window.CurrentPage(), Page(18));
    EXPECT_TRUE(window.isVisible());
    window.ShowContext(HelpContextOfFrame(cmd::kMenu2D));
    EXPECT_EQ(window.CurrentPage(), Page(42));
    window.ShowContext(0);
    EXPECT_EQ(window.CurrentPage(), Page(4));
    window.ShowTopic(18);
    window.ShowTopic(12345);
    EXPECT_EQ(window.CurrentPage(), Page(4));
}

TEST(HelpWindow, ShowsThePageWithItsJapaneseTitle)
{
    CHelpWindow window;
    window.ShowTopic(18);
    EXPECT_EQ(BrowserOf(window).documentTitle(), QStringLiteral("ファイルから開く - Quarrenby ヘルプ"));
    EXPECT_TRUE(BrowserOf(window).toPlainText().contains(QStringLiteral("Ctrl+O")));
}

TEST(HelpWindow, BackForwardAndContentsButtonsWalkTheHistory)
{
    CHelpWindow window;
    QPushButton& back = ButtonOf(window, QStringLiteral("戻る"));
    QPushButton& forward = ButtonOf(window, QStringLiteral("進む"));
    window.ShowTopic(16);
    EXPECT_FALSE(back.isEnabled());
    window.ShowTopic(20);
    ASSERT_TRUE(back.isEnabled());
    QTest::mouseClick(&back, Qt::LeftButton);
    EXPECT_EQ(window.CurrentPage(), Page(16));
    ASSERT_TRUE(forward.isEnabled());
    QTest::mouseClick(&forward, Qt::LeftButton);
    EXPECT_EQ(window.CurrentPage(), Page(20));
    EXPECT_FALSE(forward.isEnabled());
    QTest::mouseClick(&ButtonOf(window, QStringLiteral("目次")), Qt::LeftButton);
    EXPECT_EQ(window.CurrentPage(), Page(4));
    EXPECT_TRUE(window.CanGoBack());
}

TEST(HelpWindow, ClickingALinkOpensTheLinkedPageInTheWindow)
{
    CHelpWindow window;
    window.ShowTopic(4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTextBrowser& browser = BrowserOf(window);
    const QPoint link = LinkPoint(browser, QStringLiteral("topic42.html"));
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, link);
    EXPECT_EQ(window.CurrentPage(), Page(42));
    const QPoint contents = LinkPoint(browser, QStringLiteral("topic4.html"));
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, contents);
    EXPECT_EQ(window.CurrentPage(), Page(4));
}

TEST(HelpWindow, TheProcessHasOneHelpWindow)
{
    CHelpWindow& first = HelpWindow();
    EXPECT_EQ(&HelpWindow(), &first);
    ShowHelpContext(HelpContextOfCommand(cmd::kContextHelp));
    EXPECT_EQ(first.CurrentPage(), Page(108));
    EXPECT_TRUE(first.isVisible());
    first.close();
}

} // namespace
} // namespace qb
