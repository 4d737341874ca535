#include "platform/qt/web/QtWebView.h"

#include "platform/qt/web/QtWebBridge.h"
#include "platform/qt/web/QtWebPrinting.h"
#include "platform/qt/web/QtWebProfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPixmap>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace qb {

QString GuardedScript(const QString& script)
{
    // The text travels as a JSON string literal and runs through indirect
    // eval, which keeps the global scope of a plain run.
    QString literal = QString::fromUtf8(QJsonDocument(QJsonArray{script}).toJson(QJsonDocument::Compact));
    literal = literal.mid(1, literal.size() - 2);
    return QStringLiteral("(function(){try{(0,eval)(%1);return true;}catch(e){console.error(e);return false;}})()")
        .arg(literal);
}

QUrl WebAddress(const QString& text)
{
    const QUrl url(text);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

std::string ProgramPagePath(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name).toStdString();
}

CQtWebView::CQtWebView(QWidget* parent)
    : QWebEngineView(parent), m_bridge(new CQtWebBridge(this)), m_channel(new QWebChannel(this))
{
    QWebEngineProfile* profile = CQtWebProfile::Current();
    setPage(new QWebEnginePage(profile ? profile : QWebEngineProfile::defaultProfile(), this));
    m_channel->registerObject(QStringLiteral("bridge"), m_bridge);
    page()->setWebChannel(m_channel);
    SetMessageHandler({});
    Connect();
}

CQtWebView::~CQtWebView()
{
    *m_alive = false;
    // The page goes before the channel and the bridge it refers to.
    delete page();
}

void CQtWebView::Connect()
{
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loaded = false; });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) { m_loaded = ok; });
    connect(this, &QWebEngineView::printRequested, this, [this] { Print(); });
    connect(this, &QWebEngineView::printFinished, this, [this](bool) { m_printing = false; });
    connect(page(), &QWebEnginePage::pdfPrintingFinished, this, [this](const QString&, bool) { m_printing = false; });
}

void CQtWebView::RunScript(const std::string& script, std::function<void(bool ok)> done)
{
    if (!m_loaded) {
        if (done)
            done(false);
        return;
    }
    const QString text = GuardedScript(QString::fromStdString(script));
    if (!done) {
        page()->runJavaScript(text);
        return;
    }
    page()->runJavaScript(text, [done = std::move(done), alive = m_alive](const QVariant& result) {
        if (*alive)
            done(result.toBool());
    });
}

void CQtWebView::SetMessageHandler(std::function<void(const std::string& message)> handler)
{
    // A page that posts is running its scripts, though its load may not
    // have finished (the map says it is ready from its own scripts).
    m_bridge->SetHandler([this, handler = std::move(handler)](const std::string& message) {
        m_loaded = true;
        if (handler)
            handler(message);
    });
}

void CQtWebView::Navigate(const std::string& url)
{
    m_loaded = false;
    load(WebAddress(QString::fromStdString(url)));
}

void CQtWebView::Resize(int width, int height)
{
    resize(width, height);
}

void CQtWebView::CapturePng(std::function<void(const std::string& png)> done)
{
    const QPixmap picture = grab();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        done({});
        return;
    }
    done(bytes.toStdString());
}

bool CQtWebView::Print()
{
    if (m_printing)
        return false;
    m_printing = PrintWebPage(*this);
    return m_printing;
}

} // namespace qb
