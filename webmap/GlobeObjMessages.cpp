// The page's messages and what the map does with a box or a point chosen on it.
#include "webmap/GlobeObj.h"

#include "terrain/HeightGrid.h"
#include "webmap/GlobeSettings.h"
#include "webmap/MeshCells.h"
#include "webmap/WebMessage.h"

namespace qb {
namespace {

std::optional<GridSize> SizeOf(const CHeightGrid* grid)
{
    if (!grid || !grid->HasHeights() || grid->m_nCols <= 0 || grid->m_nRows <= 0)
        return std::nullopt;
    return GridSize{.cols = grid->m_nCols, .rows = grid->m_nRows};
}

} // namespace

void CGlobeObj::OnWebMessage(const std::string& message)
{
    if (message == "MapLoaded") {
        OnMapLoaded();
        return;
    }
    const std::vector<std::string> fields = SplitMessageFields(message);
    if (!fields.empty())
        OnCommand(fields, message);
}

void CGlobeObj::OnCommand(const std::vector<std::string>& fields, const std::string& message)
{
    const std::string& command = fields[0];
    if (command == "LayerChanged") {
        if (fields.size() >= 2 && WriteMapLayer(m_settings, fields[1]))
            Trace("Saved the last map used: " + fields[1] + "\r\n");
    } else if (command == "mousemove") {
        if (const auto n = MessageNumbers(fields, 3))
            WriteMapPlace(m_settings, MapPlace{.lat = (*n)[0], .lon = (*n)[1], .zoom = (*n)[2]});
    } else if (command == "undo") {
        m_host.StepBackRange();
    } else if (command == "center") {
        if (const auto n = MessageNumbers(fields, 2); n && !m_bInDialog)
            SetRotationCentre((*n)[0], (*n)[1]);
    } else if (command == "pinpoint") {
        if (const auto n = MessageNumbers(fields, 2); n && !m_bInDialog)
            StartNameInputAt((*n)[0], (*n)[1]);
    } else if (command == "boxzoom") {
        if (const auto n = MessageNumbers(fields, 4))
            ChooseBox((*n)[0], (*n)[1], (*n)[2], (*n)[3]);
    } else if (command == "SendMsg") {
        Trace("\r\nSendMsg\r\n" + message + "\r\n");
    }
}

// The dialog snaps the corners to the cell lines and takes the box as its
// area, unless no cell is left inside; the map view keeps the part inside its area and shows that range,
// refusing a box that leaves no range (the boxes then stay as they were).
void CGlobeObj::ChooseBox(double lat1, double lon1, double lat2, double lon2)
{
    if (m_bInDialog) {
        const MeshSteps steps = MeshStepsOfSourceKind(m_nDataKind);
        lat1 = SnapToStep(lat1, steps.lat);
        lat2 = SnapToStep(lat2, steps.lat);
        lon1 = SnapToStep(lon1, steps.lon);
        lon2 = SnapToStep(lon2, steps.lon);
        // A box that snaps to one line holds no cell: it chooses nothing and
        // the choice made before stays.
        if (lat1 == lat2 || lon1 == lon2)
            return;
    }
    m_selBox = BoxOfCorners(lat1, lon1, lat2, lon2);
    DrawSelectionRect(m_selBox.south, m_selBox.west, m_selBox.north, m_selBox.east);
    if (m_bInDialog) {
        m_host.SetAreaBox(m_selBox);
        m_host.SetViewBox(m_selBox);
        m_bAreaChosen = 1;
        return;
    }
    const GeoBox area = m_host.AreaBox();
    m_selBox = ClampToArea(m_selBox, area);
    const auto size = SizeOf(m_host.Grid());
    const auto range = size ? GridRangeOfBox(area, m_selBox, *size) : std::nullopt;
    if (size && !range) {
        m_messages.ShowMessage(kInvalidRangeMessage, MessageIcon::Exclamation);
        return;
    }
    m_host.SetViewBox(m_selBox);
    m_bAreaChosen = 1;
    if (range) {
        m_host.ShowGridRange(*range);
        DrawMapBox(m_selBox, kMapBlue);
    }
}

void CGlobeObj::ShowGridRange(const GridRange& range, GridSize grid)
{
    if (grid.cols <= 0 || grid.rows <= 0)
        return;
    const GeoBox view = BoxOfGridRange(m_host.AreaBox(), range, grid);
    m_host.SetViewBox(view);
    DrawMapBox(view, kMapBlue);
}

void CGlobeObj::SetRotationCentre(double lat, double lon)
{
    const GeoBox view = m_host.ViewBox();
    if (view.east == view.west || view.south == view.north)
        return;
    m_host.CentreRenderingOn((lon - view.west) / (view.east - view.west), (lat - view.north) / (view.south - view.north));
}

void CGlobeObj::StartNameInputAt(double lat, double lon)
{
    const GeoBox area = m_host.AreaBox();
    if (!BoxHolds(area, lat, lon)) {
        m_messages.ShowMessage(kNameOutsideAreaMessage, MessageIcon::Exclamation);
        return;
    }
    const CHeightGrid* grid = m_host.Grid();
    const auto size = SizeOf(grid);
    const auto point = size ? GridPointOfPosition(area, lat, lon, *size) : std::nullopt;
    if (point)
        m_host.StartNameInput(*point, grid->Height(point->row, point->col));
}

} // namespace qb
