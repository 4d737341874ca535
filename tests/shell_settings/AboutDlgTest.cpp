#include "shell/settings/AboutDlg.h"
#include "shell/settings/LinkButton.h"
#include "shell/settings/SettingsCommands.h"

#include "tests/shell_settings/SettingsFixture.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>

namespace qb {
namespace {

using test::OnModal;
using test::SettingsFixture;

// How many pixels of the image have exactly this colour.
int CountPixels(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

TEST(AboutBox, ShowsTheIconVersionAndTheMakersAddresses)
{
    OnModal<CAboutDlg>([](CAboutDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(SettingsFixture::Child<QLabel>(dialog, "versionText")->text().toStdString(),
                  "Quarrenby Version 5.1");
        EXPECT_FALSE(SettingsFixture::Child<QLabel>(dialog, "appIcon")->pixmap().isNull());
        EXPECT_EQ(SettingsFixture::Child<CLinkButton>(dialog, "webButton")->Caption().toStdString(),
                  "https://quarrenby.jp/");
        EXPECT_EQ(SettingsFixture::Child<CLinkButton>(dialog, "mailButton")->Caption().toStdString(),
                  "support@quarrenby.jp");
        dialog.accept();
    });
    ShowAboutBox(nullptr, [](const QUrl&) { return true; });
}

TEST(AboutBox, TheLinkButtonsOpenTheWebAddressAndAMailToTheMailAddress)
{
    std::vector<QUrl> opened;
    OnModal<CAboutDlg>([](CAboutDlg& dialog) {
        SettingsFixture::Child(dialog, "webButton")->click();
        SettingsFixture::Child(dialog, "mailButton")->click();
        dialog.accept();
    });
    ShowAboutBox(nullptr, [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QStringLiteral("https://quarrenby.jp/")),
                                         QUrl(QStringLiteral("mailto:support@quarrenby.jp"))}));
}

TEST(LinkButton, CaptionIsBlueOnTheButtonFaceAndRedWhilePressed)
{
    CLinkButton button(QStringLiteral("support@quarrenby.jp"), nullptr);
    button.resize(button.sizeHint());
    const QColor face = button.palette().color(QPalette::Button);
    const QImage normal = button.grab().toImage();
    button.setDown(true);
    const QImage pressed = button.grab().toImage();

    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    EXPECT_GT(CountPixels(normal, blue), 10);
    EXPECT_EQ(CountPixels(normal, red), 0);
    EXPECT_GT(CountPixels(pressed, red), 10);
    EXPECT_EQ(CountPixels(pressed, blue), 0);
    EXPECT_EQ(normal.pixelColor(normal.width() - 1, normal.height() - 1), face);
    EXPECT_TRUE(CLinkButton::CaptionFont().underline());
    EXPECT_EQ(CLinkButton::CaptionFont().family().toStdString(), "Arial");
    EXPECT_EQ(CLinkButton::CaptionFont().pointSize(), 9);
}

// The lowest row of the image that holds a pixel of the colour; -1 when none does.
int LowestRowWith(const QImage& image, QColor colour)
{
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return y;
        }
    }
    return -1;
}

TEST(LinkButton, ALongCaptionWrapsOntoMoreLines)
{
    const QString word = QStringLiteral("quarrenby ");
    CLinkButton button(word.repeated(6), nullptr);
    const int lineHeight = QFontMetrics(CLinkButton::CaptionFont()).lineSpacing();
    button.resize(120, 8 * lineHeight);
    EXPECT_GT(LowestRowWith(button.grab().toImage(), QColor(0, 0, 255)), 2 * lineHeight);
    EXPECT_GT(CLinkButton(word.repeated(20), nullptr).sizeHint().height(),
              2 * CLinkButton(word, nullptr).sizeHint().height());
}

} // namespace
} // namespace qb
