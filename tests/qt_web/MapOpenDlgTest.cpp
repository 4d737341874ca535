#include "shell/settings/MapOpenDlg.h"

#include "platform/Progress.h"
#include "platform/qt/web/QtWebView.h"
#include "tests/support/RecordingMessageSink.h"

#include <QFrame>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace qb {
namespace {

class MapOpenDlgTest : public ::testing::Test {
protected:
    test::CRecordingMessageSink m_messages;
    CMapOpenDlg m_dialog{m_messages, nullptr};
};

TEST_F(MapOpenDlgTest, OkWithoutAChosenBoxSaysSoAndStaysOpen)
{
    bool assembled = false;
    m_dialog.SetAssembly([&assembled](const GeoBox&, IProgress&) { return assembled = true; });
    m_dialog.show();
    m_dialog.SetChosenBox([] { return std::nullopt; });
    m_dialog.accept();
    m_dialog.SetChosenBox({});
    m_dialog.accept();
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kNoAreaChosenMessage, kNoAreaChosenMessage}));
    EXPECT_EQ(m_messages.Messages().front().icon, MessageIcon::Exclamation);
    EXPECT_FALSE(assembled);
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_NE(m_dialog.result(), QDialog::Accepted);
}

TEST_F(MapOpenDlgTest, TheChosenBoxIsAssembledAndOnlyAFoundAreaClosesTheDialog)
{
    std::vector<GeoBox> boxes;
    bool found = false;
    m_dialog.SetChosenBox([] { return GeoBox{.south = 35.0, .north = 35.5, .west = -139.0, .east = -139.5}; });
    m_dialog.SetAssembly([&](const GeoBox& box, IProgress&) {
        boxes.push_back(box);
        return found;
    });
    m_dialog.show();
    m_dialog.accept();
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_NE(m_dialog.result(), QDialog::Accepted);
    found = true;
    m_dialog.accept();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].south, 35.0);
    EXPECT_EQ(boxes[1].north, 35.5);
    EXPECT_EQ(boxes[1].west, -139.0);
    EXPECT_EQ(boxes[1].east, -139.5);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(MapOpenDlgTest, TheMapFillsItsFrameAndFollowsTheDialogsSize)
{
    m_dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    for (const QSize size : {QSize(700, 500), QSize(1000, 760)}) {
        m_dialog.resize(size);
        QTest::qWait(50);
        EXPECT_EQ(m_dialog.WebView().geometry(), m_dialog.MapFrame()->contentsRect());
        EXPECT_GT(m_dialog.MapFrame()->height(), size.height() * 3 / 4);
    }
}

} // namespace
} // namespace qb

namespace qb {
namespace {

// The map page delivered beside the program talks through the dialog's
// bridge: it says it is loaded and takes the map's script calls.
TEST_F(MapOpenDlgTest, TheMapPageBesideTheProgramLoadsAndAnswersThroughTheBridge)
{
    std::vector<std::string> messages;
    CQtWebView& web = m_dialog.WebView();
    web.SetMessageHandler([&messages](const std::string& message) { messages.push_back(message); });
    m_dialog.show();
    web.Navigate(QB_WEB_DIR "/map.html");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty() && messages.front() == "MapLoaded"; }, 30000));
    std::optional<bool> done;
    web.RunScript("setMapCenter(35.36, 138.73, 9)", [&done](bool ok) { done = ok; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.has_value(); }, 20000));
    EXPECT_TRUE(*done);

    std::string png;
    web.CapturePng([&png](const std::string& bytes) { png = bytes; });
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size())));
    // A drawn page, not a blank surface.
    const QRgb corner = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 7)
        for (int x = 0; x < image.width() && !varied; x += 7)
            varied = image.pixel(x, y) != corner;
    EXPECT_TRUE(varied);
    if (const QByteArray path = qgetenv("QB_WEB_CAPTURE"); !path.isEmpty())
        image.save(QString::fromLocal8Bit(path));
}

} // namespace
} // namespace qb
