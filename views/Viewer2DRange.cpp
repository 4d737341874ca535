#include "views/Viewer2D.h"

#include "terrain/HeightGrid.h"
#include "views/ViewHost.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qb {

bool CViewer2D::HasHeights() const
{
    // The grid must still have the size it had when it was attached, or the
    // range would index outside it.
    return m_pGrid && m_pGrid->HasHeights() && m_nGridCols > 0 && m_nGridRows > 0 &&
           m_pGrid->m_nCols == m_nGridCols && m_pGrid->m_nRows == m_nGridRows;
}

GridRange CViewer2D::GetRange() const
{
    return {m_nColFirst, m_nRowFirst, m_nColLast, m_nRowLast};
}

GridRange CViewer2D::ClampedToGrid(const GridRange& range) const
{
    GridRange r{std::min(range.colFirst, range.colLast), std::min(range.rowFirst, range.rowLast),
                std::max(range.colFirst, range.colLast), std::max(range.rowFirst, range.rowLast)};
    if (m_nGridCols <= 0 || m_nGridRows <= 0)
        return r;
    r.colFirst = std::clamp(r.colFirst, 0, m_nGridCols - 1);
    r.colLast = std::clamp(r.colLast, 0, m_nGridCols - 1);
    r.rowFirst = std::clamp(r.rowFirst, 0, m_nGridRows - 1);
    r.rowLast = std::clamp(r.rowLast, 0, m_nGridRows - 1);
    return r;
}

void CViewer2D::Recount()
{
    m_nVisibleCols = m_nColLast - m_nColFirst + 1;
    m_nVisibleRows = m_nRowLast - m_nRowFirst + 1;
}

void CViewer2D::ApplyRange(const GridRange& range)
{
    const GridRange r = ClampedToGrid(range);
    m_nColFirst = r.colFirst;
    m_nRowFirst = r.rowFirst;
    m_nColLast = r.colLast;
    m_nRowLast = r.rowLast;
    Recount();
    UpdateHeightRange();
}

void CViewer2D::SetRange(const GridRange& range)
{
    ApplyRange(range);
}

void CViewer2D::PushRange(const GridRange& range)
{
    g_ZoomHistory.Push(GetRange());
    ApplyRange(range);
    Host().Repaint();
}

int CViewer2D::PopRange()
{
    GridRange previous;
    if (!g_ZoomHistory.Pop(previous))
        return 0;
    ApplyRange(previous);
    Host().Repaint();
    return 1;
}

GridRange CViewer2D::ShiftedRange(int direction) const
{
    GridRange r = GetRange();
    const int dc = m_nVisibleCols / 2;
    const int dr = m_nVisibleRows / 2;
    switch (direction) {
    case kMoveEast: r.colFirst += dc; r.colLast += dc; break;
    case kMoveWest: r.colFirst -= dc; r.colLast -= dc; break;
    case kMoveNorth: r.rowFirst -= dr; r.rowLast -= dr; break;
    case kMoveSouth: r.rowFirst += dr; r.rowLast += dr; break;
    default: break;
    }
    return r;
}

bool CViewer2D::IsInsideGrid(const GridRange& r) const
{
    return r.colFirst >= 0 && r.rowFirst >= 0 && r.colLast < m_nGridCols && r.rowLast < m_nGridRows;
}

GridRange CViewer2D::KeptInsideGrid(const GridRange& shifted) const
{
    GridRange r = shifted;
    if (r.colFirst < 0)
        r = {0, r.rowFirst, m_nVisibleCols - 1, r.rowLast};
    else if (r.colLast >= m_nGridCols)
        r = {m_nGridCols - m_nVisibleCols, r.rowFirst, m_nGridCols - 1, r.rowLast};
    if (r.rowFirst < 0)
        r = {r.colFirst, 0, r.colLast, m_nVisibleRows - 1};
    else if (r.rowLast >= m_nGridRows)
        r = {r.colFirst, m_nGridRows - m_nVisibleRows, r.colLast, m_nGridRows - 1};
    return r;
}

int CViewer2D::MoveRange(int direction, const NeighbourRequest& requestNeighbour)
{
    if (!HasHeights())
        return 0;
    GridRange shifted = ShiftedRange(direction);
    if (!IsInsideGrid(shifted)) {
        // A joined area (or a text mesh) has neighbours to load; the range
        // stays where it is so that the view still draws its own grid if the
        // load fails. Only a .3dm tile opened by itself stops at its edge.
        if (!m_pGrid->IsSingleTileFile()) {
            if (requestNeighbour)
                requestNeighbour(shifted, m_nGridCols, m_nGridRows);
            return 2;
        }
        shifted = KeptInsideGrid(shifted);
    }
    ApplyRange(shifted);
    return 1;
}

void CViewer2D::UpdateHeightRange()
{
    if (!HasHeights())
        return;
    float high = -std::numeric_limits<float>::infinity();
    float low = std::numeric_limits<float>::infinity();
    for (int r = m_nRowFirst; r <= m_nRowLast; ++r) {
        for (int c = m_nColFirst; c <= m_nColLast; ++c) {
            const float h = m_pGrid->Height(r, c);
            if (std::isnan(h))
                continue;
            high = std::max(high, h);
            low = std::min(low, h);
        }
    }
    if (low <= high) {
        m_fRangeMax = high;
        m_fRangeMin = low;
    }
}

} // namespace qb
