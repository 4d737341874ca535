#include "bench/TimedWebView.h"

#include "platform/qt/web/QtWebView.h"

#include <algorithm>

namespace qb::bench {

CTimedWebView::CTimedWebView(CQtWebView& view, const QElapsedTimer& clock) : m_view(view), m_clock(clock)
{
    m_loadWatch = QObject::connect(&m_view, &QWebEngineView::loadFinished, &m_view, [this](bool) {
        if (m_times.loaded < 0)
            m_times.loaded = m_clock.elapsed();
    });
}

CTimedWebView::~CTimedWebView()
{
    QObject::disconnect(m_loadWatch);
}

void CTimedWebView::RunScript(const std::string& script, std::function<void(bool ok)> done)
{
    WatchAreas(script, done);
    m_view.RunScript(script, std::move(done));
}

// The areas always begin with the black grid lines, and nothing else draws
// them; their run is the first that holds one.
void CTimedWebView::WatchAreas(const std::string& script, std::function<void(bool ok)>& done)
{
    if (m_times.areasSent >= 0 || script.find("drawPolylineBlack") == std::string::npos)
        return;
    m_times.areasSent = m_clock.elapsed();
    m_times.areasBytes = script.size();
    m_times.areasLines = static_cast<int>(std::count(script.begin(), script.end(), '\n')) + 1;
    done = [this, inner = std::move(done)](bool ok) {
        m_times.areasDone = m_clock.elapsed();
        m_times.areasOk = ok;
        if (inner)
            inner(ok);
        if (m_areasDone)
            m_areasDone();
    };
}

void CTimedWebView::SetMessageHandler(std::function<void(const std::string& message)> handler)
{
    if (!handler) {
        m_view.SetMessageHandler({});
        return;
    }
    m_view.SetMessageHandler([this, handler = std::move(handler)](const std::string& message) {
        if (message == "MapLoaded" && m_times.mapLoaded < 0)
            m_times.mapLoaded = m_clock.elapsed();
        handler(message);
    });
}

void CTimedWebView::Navigate(const std::string& url)
{
    m_view.Navigate(url);
}

void CTimedWebView::Resize(int width, int height)
{
    m_view.Resize(width, height);
}

void CTimedWebView::CapturePng(std::function<void(const std::string& png)> done)
{
    m_view.CapturePng(std::move(done));
}

bool CTimedWebView::Print()
{
    return m_view.Print();
}

} // namespace qb::bench
