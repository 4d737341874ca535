#include "views/Viewer2D.h"

#include "terrain/HeightGrid.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

// Truncates toward zero like a C conversion, pinning values no window holds.
int TruncToPoint(double value)
{
    constexpr double kLimit = 1e9;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

} // namespace

// A spacing of 0 (or a nonsense negative one) is drawn as 1 metre.
int CViewer2D::ColSpacing() const
{
    return m_nColSpacing > 0 ? m_nColSpacing : 1;
}

int CViewer2D::RowSpacing() const
{
    return m_nRowSpacing > 0 ? m_nRowSpacing : 1;
}

// The scale that fits the range's ground extent into the drawing rectangle
// with the ground's proportions: the smaller of width / extent across and
// height / extent down. An extent of zero (one column or one row) sets no
// limit; a range of one point maps everything onto the top-left corner.
CViewer2D::Scale CViewer2D::MappingScale() const
{
    const double w = m_rcDraw.right - m_rcDraw.left;
    const double h = m_rcDraw.bottom - m_rcDraw.top;
    const double gx = double(m_nColLast - m_nColFirst) * ColSpacing();
    const double gy = double(m_nRowLast - m_nRowFirst) * RowSpacing();
    // w / h > gx / gy, compared without dividing by a zero height or extent.
    const bool byHeight = gy > 0.0 && (gx <= 0.0 || w * gy > gx * h);
    Scale scale;
    if (byHeight) {
        scale.toScreen = h / gy;
        scale.toGrid = h > 0.0 ? gy / h : 0.0;
    } else if (gx > 0.0) {
        scale.toScreen = w / gx;
        scale.toGrid = w > 0.0 ? gx / w : 0.0;
    }
    return scale;
}

DrawPoint CViewer2D::GridToScreen(int col, int row) const
{
    const double k = MappingScale().toScreen;
    return {TruncToPoint(double(ColSpacing()) * (col - m_nColFirst) * k) + m_rcDraw.left,
            TruncToPoint(double(row - m_nRowFirst) * RowSpacing() * k) + m_rcDraw.top};
}

GridPoint CViewer2D::ScreenToGridClamped(DrawPoint point) const
{
    const double k = MappingScale().toGrid;
    const double col = double(point.x - m_rcDraw.left) * k / ColSpacing() + m_nColFirst + 0.5;
    const double row = double(point.y - m_rcDraw.top) * k / RowSpacing() + m_nRowFirst + 0.5;
    // Clamping before the truncation gives the same point and keeps the conversion defined.
    return {TruncToPoint(std::clamp(col, double(m_nColFirst), double(m_nColLast))),
            TruncToPoint(std::clamp(row, double(m_nRowFirst), double(m_nRowLast)))};
}

DrawPoint CViewer2D::SnapToGrid(DrawPoint point) const
{
    const GridPoint g = ScreenToGridClamped(point);
    return GridToScreen(g.col, g.row);
}

float CViewer2D::ScreenToGrid(DrawPoint& point, int& col, int& row)
{
    const GridPoint g = ScreenToGridClamped(point);
    col = g.col;
    row = g.row;
    point = GridToScreen(g.col, g.row);
    return HasHeights() ? m_pGrid->Height(g.row, g.col) : 0.0f;
}

int CViewer2D::PickPoint(DrawPoint point, int& col, int& row, float& height)
{
    if (!HasHeights())
        return 0;
    height = ScreenToGrid(point, col, row);
    return 1;
}

} // namespace qb
