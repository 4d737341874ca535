// The lines of the input posted as the map page's messages, to the web map
// of the open-from-map dialog and to that of a map view with a grid.
#include "tests/fuzz/ReaderReplay.h"

#include "platform/MemorySettingsStore.h"
#include "terrain/HeightGrid.h"
#include "tests/webmap/ScriptedWebView.h"
#include "webmap/GlobeObj.h"
#include "webmap/MapLayers.h"

#include <memory>

namespace qb::fuzz {
namespace {

class CSilentSink final : public IMessageSink {
public:
    MessageResult ShowMessage(std::string_view, MessageIcon, MessageButtons, std::string_view) override
    {
        ++count;
        return MessageResult::Ok;
    }
    int count = 0;
};

constexpr int kGridSide = 9;

std::string LayerScriptFault(const std::vector<std::string>& scripts)
{
    for (const std::string& script : scripts) {
        if (!script.starts_with("changeLayerFromCpp("))
            continue;
        bool known = false;
        for (std::string_view layer : kMapLayers)
            known = known || script == ChangeLayerScript(layer);
        if (!known)
            return "a layer script names no layer of the page: " + script;
    }
    return {};
}

std::string HostFault(const test::CFakeWebMapHost& host)
{
    for (const GridRange& r : host.ranges)
        if (r.colFirst < 0 || r.rowFirst < 0 || r.colLast >= kGridSide || r.rowLast >= kGridSide ||
            r.colFirst == r.colLast || r.rowFirst == r.rowLast)
            return "a range outside the grid or empty was handed on";
    for (const auto& [point, height] : host.names)
        if (point.col < 0 || point.row < 0 || point.col >= kGridSide || point.row >= kGridSide)
            return "a name was put outside the grid";
    return {};
}

// Posts every line; true when any of them made the map do something.
bool PostLines(std::string_view bytes, int inDialog, CHeightGrid* grid, std::string& fault)
{
    CMemorySettingsStore settings;
    CSilentSink messages;
    test::CFakeWebMapHost host;
    test::CScriptedWebView view;
    host.area = host.view = GeoBox{.south = 35.0, .north = 35.5, .west = 139.0, .east = 139.5};
    host.grid = grid;
    CGlobeObj globe(settings, messages, host);
    globe.m_nDataKind = bytes.empty() ? 5 : 1 + static_cast<unsigned char>(bytes[0]) % 10;
    globe.m_nMeshSetting = 0;
    globe.CreateWebMap(&view, inDialog, "map.html");
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        view.Post(std::string(bytes.substr(at, end - at)));
        at = end + 1;
    }
    if (fault.empty())
        fault = LayerScriptFault(view.scripts);
    if (fault.empty())
        fault = HostFault(host);
    return !view.scripts.empty() || messages.count > 0 || host.stepsBack > 0 || !host.centres.empty() ||
           settings.Contains("GlobeObj", "MapCenterLat") || settings.Contains("GlobeObj", "LayerName");
}

} // namespace

ReplayResult ReplayWebMessage(std::string_view bytes)
{
    CHeightGrid grid;
    grid.AdoptHeights(std::make_unique<float[]>(kGridSide * kGridSide), kGridSide, kGridSide);
    ReplayResult result;
    const bool dialog = PostLines(bytes, 1, nullptr, result.fault);
    const bool mapView = PostLines(bytes, 0, &grid, result.fault);
    result.accepted = dialog || mapView;
    return result;
}

} // namespace qb::fuzz
