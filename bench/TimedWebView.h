#pragma once
#include "platform/WebView.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include <cstdint>
#include <functional>
#include <string>

namespace qb {
class CQtWebView;
}

namespace qb::bench {

// The moments of one opening of the map, in milliseconds of its clock; -1
// while a moment has not come.
struct MapLoadTimes {
    std::int64_t loaded = -1;     // the page's load finished
    std::int64_t mapLoaded = -1;  // "MapLoaded" reached the program
    std::int64_t areasSent = -1;  // the grid and outlines went to the page
    std::int64_t areasDone = -1;  // ... and their script run has completed there
    bool areasOk = false;
    std::size_t areasBytes = 0;
    int areasLines = 0;
};

// The page's view as the web map sees it, forwarding every call to the
// dialog's browser view, and noting when the page loaded, when it said
// "MapLoaded" and when the script run carrying the mesh grid (the areas:
// grid, outlines or boxes, sent in one run) completed in the page.
class CTimedWebView final : public IWebView {
public:
    CTimedWebView(CQtWebView& view, const QElapsedTimer& clock);
    ~CTimedWebView() override;
    CTimedWebView(const CTimedWebView&) = delete;
    CTimedWebView& operator=(const CTimedWebView&) = delete;

    const MapLoadTimes& Times() const { return m_times; }
    // Called once the areas' run has completed.
    void SetAreasDone(std::function<void()> done) { m_areasDone = std::move(done); }

    void RunScript(const std::string& script, std::function<void(bool ok)> done = {}) override;
    void SetMessageHandler(std::function<void(const std::string& message)> handler) override;
    void Navigate(const std::string& url) override;
    void Resize(int width, int height) override;
    void CapturePng(std::function<void(const std::string& png)> done) override;
    bool Print() override;

private:
    void WatchAreas(const std::string& script, std::function<void(bool ok)>& done);

    CQtWebView& m_view;
    const QElapsedTimer& m_clock;
    MapLoadTimes m_times;
    std::function<void()> m_areasDone;
    QMetaObject::Connection m_loadWatch;
};

} // namespace qb::bench
