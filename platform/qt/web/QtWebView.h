#pragma once
#include "platform/WebView.h"

#include <QWebEngineView>

#include <memory>

class QWebChannel;

namespace qb {

class CQtWebBridge;

// The embedded web page: a browser widget in the process's web profile whose
// page talks to the program through the "bridge" object of a web channel.
class CQtWebView final : public QWebEngineView, public IWebView {
    Q_OBJECT
public:
    explicit CQtWebView(QWidget* parent = nullptr);
    ~CQtWebView() override;

    void RunScript(const std::string& script, std::function<void(bool ok)> done = {}) override;
    void SetMessageHandler(std::function<void(const std::string& message)> handler) override;
    void Navigate(const std::string& url) override;
    void Resize(int width, int height) override;
    void CapturePng(std::function<void(const std::string& png)> done) override;
    bool Print() override;

    // The page has loaded, or has posted a message since its load began.
    bool PageLoaded() const { return m_loaded; }

private:
    void Connect();

    CQtWebBridge* m_bridge;
    QWebChannel* m_channel;
    bool m_loaded = false;
    bool m_printing = false;
    // False once the view is going: the page then answers the scripts still
    // pending with nothing, which is no failure of theirs.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// A script text wrapped so that running it answers true, or false when it
// throws; it still runs in the page's global scope.
QString GuardedScript(const QString& script);
// The address of `text`: an address as given, a file path as a file address.
QUrl WebAddress(const QString& text);
// The path of a page delivered beside the program's executable ("map.html").
std::string ProgramPagePath(const QString& name);

} // namespace qb
