#include "webmap/GlobeObj.h"

#include "webmap/GlobeSettings.h"
#include "webmap/MeshCells.h"
#include "webmap/StoredTiles.h"

#include <algorithm>

namespace qb {

CGlobeObj::CGlobeObj(ISettingsStore& settings, IMessageSink& messages, IWebMapHost& host,
                     const std::string& globeDataFile)
    : m_globe(settings), m_settings(settings), m_messages(messages), m_host(host)
{
    if (!globeDataFile.empty())
        m_globe.LoadGlobeData(globeDataFile);
}

CGlobeObj::~CGlobeObj()
{
    CloseWebMap();
}

void CGlobeObj::CreateWebMap(IWebView* view, int inDialog, const std::string& pageUrl)
{
    m_bInDialog = inDialog;
    CloseWebMap();
    if (!view)
        return;
    m_pView = view;
    m_pView->SetMessageHandler([this](const std::string& message) { OnWebMessage(message); });
    m_pView->Navigate(pageUrl);
}

void CGlobeObj::CloseWebMap()
{
    if (m_pView)
        m_pView->SetMessageHandler({});
    m_pView = nullptr;
}

void CGlobeObj::ResizeWebMap(int cx, int cy)
{
    if (m_pView)
        m_pView->Resize(cx, cy);
}

void CGlobeObj::PrintMap()
{
    Run(std::string(kPrintScript));
}

void CGlobeObj::Run(std::string script, std::string_view failMessage)
{
    if (!m_pView)
        return;
    if (m_pBatch) {
        if (!m_pBatch->script.empty())
            m_pBatch->script += '\n';
        m_pBatch->script += script;
        auto& failures = m_pBatch->failMessages;
        if (!failMessage.empty() && std::find(failures.begin(), failures.end(), failMessage) == failures.end())
            failures.emplace_back(failMessage);
        return;
    }
    if (failMessage.empty()) {
        m_pView->RunScript(script);
        return;
    }
    IMessageSink* messages = &m_messages;
    m_pView->RunScript(script, [messages, text = std::string(failMessage)](bool ok) {
        if (!ok)
            messages->ShowMessage(text, MessageIcon::Exclamation);
    });
}

void CGlobeObj::SetMapCenter(double lat, double lon, double zoom)
{
    Run(SetMapCenterScript(lat, lon, zoom), kSetCenterFailedMessage);
}

void CGlobeObj::SetOpenMode(int mode)
{
    Run(OpenModeScript(mode), kOpenModeFailedMessage);
}

void CGlobeObj::DrawMapLine(double lat1, double lon1, double lat2, double lon2, int colour)
{
    Run(PolylineScript(lat1, lon1, lat2, lon2, colour), kLineFailedMessage);
}

void CGlobeObj::DrawMapBox(const GeoBox& box, int colour)
{
    if (colour == kMapBlue)
        ClearBlueBox();
    DrawMapLine(box.south, box.west, box.south, box.east, colour);
    DrawMapLine(box.south, box.east, box.north, box.east, colour);
    DrawMapLine(box.north, box.east, box.north, box.west, colour);
    DrawMapLine(box.north, box.west, box.south, box.west, colour);
}

void CGlobeObj::ClearBlueBox()
{
    Run(std::string(kClearBlueRectScript), kClearBlueFailedMessage);
}

void CGlobeObj::DrawSelectionRect(double south, double west, double north, double east)
{
    Run(WebRectScript(GeoBox{.south = south, .north = north, .west = west, .east = east}), kRectFailedMessage);
}

void CGlobeObj::DrawMeshGrid()
{
    if (!m_pView)
        return;
    const MeshSteps steps = MeshStepsOfSourceKind(m_nDataKind);
    const auto lonStep = static_cast<float>(steps.lon);
    const auto latStep = static_cast<float>(steps.lat);
    for (float lon = 121.0f; lon < 150.0f; lon += lonStep)
        DrawMapLine(20.0, lon, 46.0, lon, kMapBlack);
    for (float lat = 20.0f; lat < 46.0f; lat += latStep)
        DrawMapLine(lat, 121.0, lat, 150.0, kMapBlack);
}

void CGlobeObj::OutlineStoredTiles()
{
    if (!m_pView)
        return;
    for (const GeoBox& cell : StoredTileCells(m_strDatabaseFolder, m_nMeshSetting)) {
        DrawMapLine(cell.north, cell.west, cell.north, cell.east, kMapRed);
        DrawMapLine(cell.north, cell.east, cell.south, cell.east, kMapRed);
        DrawMapLine(cell.south, cell.east, cell.south, cell.west, kMapRed);
        DrawMapLine(cell.south, cell.west, cell.north, cell.west, kMapRed);
    }
}

void CGlobeObj::ShowAreas()
{
    if (!m_pView)
        return;
    Batch batch;
    const bool outer = m_pBatch == nullptr;
    if (outer)
        m_pBatch = &batch;
    DrawMeshGrid();
    if (m_bInDialog && m_nMeshSetting >= 1 && m_nMeshSetting <= 5) {
        OutlineStoredTiles();
    } else {
        DrawMapBox(m_host.AreaBox(), kMapRed);
        DrawMapBox(m_host.ViewBox(), kMapBlue);
    }
    if (outer)
        RunBatch();
}

// The gathered scripts go to the page in one run; a failure shows each
// message of the scripts once.
void CGlobeObj::RunBatch()
{
    Batch batch = std::move(*m_pBatch);
    m_pBatch = nullptr;
    if (batch.script.empty())
        return;
    IMessageSink* messages = &m_messages;
    m_pView->RunScript(batch.script, [messages, failures = std::move(batch.failMessages)](bool ok) {
        if (!ok)
            for (const std::string& text : failures)
                messages->ShowMessage(text, MessageIcon::Exclamation);
    });
}

void CGlobeObj::OnMapLoaded()
{
    const MapPlace place = ClampedMapPlace(ReadMapPlace(m_settings));
    Run(ChangeLayerScript(ReadMapLayer(m_settings)));
    SetOpenMode(m_bInDialog);
    SetMapCenter(place.lat, place.lon, place.zoom);
    ShowAreas();
}

void CGlobeObj::Trace(std::string_view text) const
{
    if (m_trace)
        m_trace(text);
}

} // namespace qb
