#include "views/Viewer2D.h"

#include "terrain/HeightGrid.h"
#include "views/HoverStatus.h"
#include "views/ViewHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qb {
namespace {

constexpr int kHoverMarkHalf = 5;

} // namespace

void CViewer2D::DrawInvertedRect(IDrawContext& dc, DrawPoint a, DrawPoint b) const
{
    dc.SetInvert(true);
    dc.SelectPen(m_pens[kPenBlack]);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.LineTo(a.x, b.y);
    dc.LineTo(a.x, a.y);
    dc.SetInvert(false);
}

int CViewer2D::TrackZoomRect(IDrawContext& dc, DrawPoint& point, int phase)
{
    point = SnapToGrid(point);
    switch (phase) {
    case kZoomBegin:
        m_ptRubberStart = m_ptRubberEnd = point;
        DrawInvertedRect(dc, m_ptRubberStart, point);
        return 0;
    case kZoomMove:
        DrawInvertedRect(dc, m_ptRubberStart, m_ptRubberEnd);
        DrawInvertedRect(dc, m_ptRubberStart, point);
        m_ptRubberEnd = point;
        return 0;
    case kZoomEnd:
        DrawInvertedRect(dc, m_ptRubberStart, m_ptRubberEnd);
        return EndZoom(point);
    default:
        return 0;
    }
}

// A rectangle of more than one column and one row becomes the new range; a
// click (or a drag along one line) goes back one range instead.
int CViewer2D::EndZoom(DrawPoint point)
{
    const GridPoint a = ScreenToGridClamped(m_ptRubberStart);
    const GridPoint b = ScreenToGridClamped(point);
    if (std::abs(a.col - b.col) > 1 && std::abs(a.row - b.row) > 1) {
        PushRange({std::min(a.col, b.col), std::min(a.row, b.row), std::max(a.col, b.col),
                   std::max(a.row, b.row)});
        return 1;
    }
    return PopRange();
}

int CViewer2D::OnButtonDown(IDrawContext& dc, DrawPoint point)
{
    if (g_ZoomHistory.IsFull()) {
        Host().ShowMessage(kZoomLimitMessage, MessageIcon::Exclamation);
        return PopRange();
    }
    TrackZoomRect(dc, point, kZoomBegin);
    m_bDragging = 1;
    Host().CaptureMouse();
    Host().SetCursor(ViewCursor::Cross);
    return 0;
}

int CViewer2D::OnButtonUp(IDrawContext& dc, DrawPoint point)
{
    if (!m_bDragging)
        return 0;
    m_bDragging = 0;
    const int changed = TrackZoomRect(dc, point, kZoomEnd);
    Host().ReleaseMouse();
    Host().SetCursor(ViewCursor::Arrow);
    if (changed) {
        Host().Repaint();
        UpdateHeightRange();
    }
    return changed;
}

void CViewer2D::EndDrag()
{
    m_bDragging = 0;
    Host().ReleaseMouse();
    Host().SetCursor(ViewCursor::Arrow);
}

void CViewer2D::DrawHoverMark(IDrawContext& dc, DrawPoint p) const
{
    dc.MoveTo(p.x - kHoverMarkHalf, p.y - kHoverMarkHalf);
    dc.LineTo(p.x + kHoverMarkHalf, p.y + kHoverMarkHalf);
    dc.MoveTo(p.x - kHoverMarkHalf, p.y + kHoverMarkHalf);
    dc.LineTo(p.x + kHoverMarkHalf, p.y - kHoverMarkHalf);
}

void CViewer2D::OnMouseMove(IDrawContext& dc, DrawPoint point)
{
    if (m_bDragging) {
        TrackZoomRect(dc, point, kZoomMove);
        return;
    }
    if (!HasHeights())
        return;
    int col = 0;
    int row = 0;
    const float height = ScreenToGrid(point, col, row);
    dc.SetInvert(true);
    dc.SelectPen(m_pens[kPenBlue]);
    if (m_bHoverShown)
        DrawHoverMark(dc, m_ptLastHover);
    DrawHoverMark(dc, point);
    dc.SetInvert(false);
    m_ptLastHover = point;
    m_bHoverShown = 1;
    ShowHoverStatus(col, row, height);
}

void CViewer2D::ShowHoverStatus(int col, int row, float height)
{
    // A grid one point high or wide has no spacing between its edges to divide by.
    const double lat = m_nGridRows > 1 ? m_pGrid->LatOfRow(row) : m_pGrid->m_fNorth;
    const double lon = m_nGridCols > 1 ? m_pGrid->LonOfCol(col) : m_pGrid->m_fWest;
    const std::optional<double> measured = m_pGrid->HasData(row, col) ? std::optional<double>(height) : std::nullopt;
    Host().SetStatusText(FormatHoverStatus(measured, lat, lon, static_cast<int>(m_dContourInterval)));
}

} // namespace qb
