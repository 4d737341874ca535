#pragma once
#include "platform/WebView.h"
#include "views/GridRange.h"
#include "webmap/WebMapHost.h"

#include <functional>
#include <string>
#include <vector>

namespace qb::test {

// A web view without a page: it records every script run (one entry per
// line of a run), answers each completion with `scriptsSucceed`, and lets a
// test post messages as the page would.
class CScriptedWebView final : public IWebView {
public:
    void RunScript(const std::string& script, std::function<void(bool ok)> done = {}) override;
    void SetMessageHandler(std::function<void(const std::string& message)> handler) override;
    void Navigate(const std::string& url) override { urls.push_back(url); }
    void Resize(int width, int height) override { sizes.push_back({width, height}); }
    void CapturePng(std::function<void(const std::string& png)> done) override { done({}); }
    bool Print() override { return false; }

    // Posts a message to the handler; false when none is set.
    bool Post(const std::string& message);
    void ClearScripts() { scripts.clear(); runs = 0; }

    bool scriptsSucceed = true;
    std::vector<std::string> scripts;
    int runs = 0;
    std::vector<std::string> urls;
    std::vector<std::pair<int, int>> sizes;

private:
    std::function<void(const std::string&)> m_handler;
};

// The boxes and the view actions of a web map, recorded.
class CFakeWebMapHost final : public IWebMapHost {
public:
    GeoBox AreaBox() const override { return area; }
    void SetAreaBox(const GeoBox& box) override { area = box; }
    GeoBox ViewBox() const override { return view; }
    void SetViewBox(const GeoBox& box) override { view = box; }
    const CHeightGrid* Grid() const override { return grid; }
    void StepBackRange() override { ++stepsBack; }
    void ShowGridRange(const GridRange& range) override { ranges.push_back(range); }
    void CentreRenderingOn(double fx, double fy) override { centres.push_back({fx, fy}); }
    void StartNameInput(GridPoint point, float height) override { names.push_back({point, height}); }

    GeoBox area;
    GeoBox view;
    const CHeightGrid* grid = nullptr;
    int stepsBack = 0;
    std::vector<GridRange> ranges;
    std::vector<std::pair<double, double>> centres;
    std::vector<std::pair<GridPoint, float>> names;
};

} // namespace qb::test
