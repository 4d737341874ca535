#include "platform/qt/web/QtWebProfile.h"
#include "platform/qt/web/QtWebPrinting.h"
#include "platform/qt/web/QtWebView.h"

#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace qb {
namespace {

// A page that, once its channel is up, says "ready" and answers echo(x)
// with "echo,x" through the bridge.
const char* const kPage = R"(<!doctype html><html><head><meta charset="utf-8">
<script src="qrc:///qtwebchannel/qwebchannel.js"></script>
<script>
var bridge = null;
function echo(x) { bridge.postMessage('echo,' + x); }
new QWebChannel(qt.webChannelTransport, function (channel) {
  bridge = channel.objects.bridge;
  bridge.postMessage('ready');
});
</script></head><body style="background:#c03030">page</body></html>)";

class WebViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::WriteFileBytes(m_dir.File("page.html"), kPage);
        m_view.resize(320, 240);
        m_view.show();
        m_view.SetMessageHandler([this](const std::string& message) { m_messages.push_back(message); });
    }

    // Waits up to 20 s for a message; true when it came.
    bool WaitFor(const std::string& message)
    {
        return QTest::qWaitFor([&] { return std::find(m_messages.begin(), m_messages.end(), message) !=
                                            m_messages.end(); },
                               20000);
    }

    void Load()
    {
        m_view.Navigate(m_dir.File("page.html"));
        ASSERT_TRUE(WaitFor("ready"));
        ASSERT_TRUE(m_view.PageLoaded() || QTest::qWaitFor([&] { return m_view.PageLoaded(); }, 20000));
    }

    // Runs a script and waits for its completion.
    std::optional<bool> Run(const std::string& script)
    {
        std::optional<bool> result;
        m_view.RunScript(script, [&result](bool ok) { result = ok; });
        static_cast<void>(QTest::qWaitFor([&] { return result.has_value(); }, 20000));
        return result;
    }

    test::CTempDir m_dir;
    CQtWebView m_view;
    std::vector<std::string> m_messages;
};

TEST_F(WebViewTest, ScriptsBeforeAPageIsLoadedReportFailure)
{
    std::optional<bool> result;
    m_view.RunScript("1", [&result](bool ok) { result = ok; });
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(*result);
}

TEST_F(WebViewTest, ScriptsRunInThePageAndItsMessagesComeBack)
{
    Load();
    EXPECT_EQ(Run("echo('abc')"), true);
    EXPECT_TRUE(WaitFor("echo,abc"));
    // Quotes, backslashes and line breaks reach the page unchanged.
    EXPECT_EQ(Run("echo(\"a'b\\\\c\" +\n 'd')"), true);
    EXPECT_TRUE(WaitFor("echo,a'b\\cd"));
    // A declaration stays in the page's global scope for later scripts.
    EXPECT_EQ(Run("var kept = 5;"), true);
    EXPECT_EQ(Run("echo(kept + 1)"), true);
    EXPECT_TRUE(WaitFor("echo,6"));
}

TEST_F(WebViewTest, AThrowingOrBrokenScriptReportsFailure)
{
    Load();
    EXPECT_EQ(Run("throw new Error('no')"), false);
    EXPECT_EQ(Run("echo(("), false);
    EXPECT_EQ(Run("noSuchFunction()"), false);
}

TEST_F(WebViewTest, ACaptureIsAPngOfThePage)
{
    Load();
    std::optional<std::string> png;
    m_view.CapturePng([&png](const std::string& bytes) { png = bytes; });
    ASSERT_TRUE(png.has_value());
    ASSERT_GT(png->size(), 8u);
    EXPECT_EQ(png->substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png->data()), static_cast<int>(png->size())));
    EXPECT_EQ(image.size(), m_view.size() * m_view.devicePixelRatio());
}

TEST_F(WebViewTest, WithoutAPrinterThePageGoesToAPdfInTheDocumentsFolderEvenANewOne)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed: printing asks in the print dialog";
    Load();
    // A home without a documents folder.
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(m_dir.File("home")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.File("home/.config")));
    const QString path = WebPagePdfPath();
    QSignalSpy done(m_view.page(), &QWebEnginePage::pdfPrintingFinished);
    const bool started = m_view.Print();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    ASSERT_TRUE(started);
    ASSERT_TRUE(done.wait(20000));
    EXPECT_TRUE(done.front().at(1).toBool());
    EXPECT_TRUE(path.startsWith(QString::fromStdString(m_dir.File("home/"))));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
}

TEST(WebProfileTest, StorageLiesInTheUsersOwnFolders)
{
    EXPECT_EQ(WebCacheFolder("/home/u/.local/share", "/home/u/.cache"),
              QStringLiteral("/home/u/.local/share/Quarrenby/WebCache"));
    EXPECT_EQ(WebCacheFolder("", "/home/u/.cache"), QStringLiteral("/home/u/.cache/Quarrenby/WebCache"));
    EXPECT_TRUE(WebCacheFolder("", "").isEmpty());

    QWebEngineProfile* profile = CQtWebProfile::Current();
    ASSERT_NE(profile, nullptr);
    EXPECT_FALSE(profile->isOffTheRecord());
    EXPECT_EQ(profile->persistentStoragePath(),
              WebCacheFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), {}));
    EXPECT_TRUE(profile->settings()->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
}

TEST(WebAddressTest, PathsBecomeFileAddressesAndAddressesStay)
{
    EXPECT_EQ(WebAddress("https://example.org/a?b=1"), QUrl("https://example.org/a?b=1"));
    EXPECT_EQ(WebAddress("/tmp/a b/map.html"), QUrl::fromLocalFile("/tmp/a b/map.html"));
    EXPECT_EQ(WebAddress("map.html"), QUrl::fromLocalFile(QDir::current().absoluteFilePath("map.html")));
}

} // namespace
} // namespace qb
