#include "views/Viewer2D.h"

#include "places/LabelSettings.h"
#include "terrain/HeightGrid.h"
#include "views/LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace qb {
namespace {

// Cells are at least this many grid steps apart per pixel of the drawing,
// counted over at most kMaxStepPixels pixels: about 200 cells each way.
constexpr int kGridStepsPerPixel = 2;
constexpr int kMaxStepPixels = 400;

int CellStep(int visiblePoints, int pixels)
{
    const int span = std::clamp(std::abs(pixels), 1, kMaxStepPixels);
    const std::int64_t step = std::int64_t{visiblePoints} * kGridStepsPerPixel / span;
    return static_cast<int>(std::clamp<std::int64_t>(step, 1, visiblePoints));
}

} // namespace

double CViewer2D::ContourStep(double max, double min)
{
    const double spread = max - min;
    double interval = 50.0;
    if (spread < 30.0)
        interval = 1.0;
    else if (spread < 150.0)
        interval = 5.0;
    else if (spread < 300.0)
        interval = 10.0;
    // The first multiple of the interval, counted up from 0, that is not below min.
    double first = std::ceil(std::max(min, 0.0) / interval) * interval;
    if (first < min)
        first += interval;
    if (first >= min && first < max)
        m_dFirstLevel = first;
    m_dContourInterval = interval;
    return interval;
}

// The band of a height between the range's lowest and highest; heights
// outside the range (a range not yet rescanned, a stale first level) take
// the nearest band.
int CViewer2D::BandIndex(double height) const
{
    const double spread = double(m_fRangeMax) - m_fRangeMin;
    if (!(spread > 0.0))
        return 0;
    const double band = (height - m_fRangeMin) * 7.9 / spread;
    if (std::isnan(band))
        return 0;
    return static_cast<int>(std::clamp(band, 0.0, double(kHeightBands.size() - 1)));
}

Colour CViewer2D::HeightColour(double height) const
{
    if (height < 1.0)
        return kSeaBlue;
    return kHeightBands[BandIndex(height)];
}

void CViewer2D::Draw(IDrawContext& dc, const DrawRect& rect)
{
    m_rcClient = rect;
    const int left = rect.left + rect.right / 20;
    const int right = rect.right - rect.right / 20;
    const int top = rect.top + rect.bottom / 20;
    const int bottom = rect.bottom - rect.bottom / 20;
    if (right < left || bottom < top)
        return;
    m_rcDraw = {left, top, right, bottom};
    const DrawPoint far = GridToScreen(m_nColLast, m_nRowLast);
    m_ptFarCorner = far;
    dc.SelectPen(m_pens[kPenBlack]);
    dc.MoveTo(left - 1, top - 1);
    dc.LineTo(far.x, top - 1);
    dc.LineTo(far.x, far.y);
    dc.LineTo(left - 1, far.y);
    dc.LineTo(left - 1, top - 1);
    DrawContours(dc);
    DrawNames(dc);
    m_bHoverShown = 0;
}

void CViewer2D::DrawContours(IDrawContext& dc)
{
    if (m_nVisibleCols < 2 || m_nVisibleRows < 2 || !HasHeights())
        return;
    const int colStep = CellStep(m_nVisibleCols, m_ptFarCorner.x - m_rcDraw.left);
    const int rowStep = CellStep(m_nVisibleRows, m_ptFarCorner.y - m_rcDraw.top);
    const double interval = ContourStep(m_fRangeMax, m_fRangeMin);
    m_levels = {m_dFirstLevel, interval > 0.0 ? interval : 1.0, m_fRangeMax};
    for (int r = m_nRowFirst; r + rowStep <= m_nRowLast; r += rowStep) {
        for (int c = m_nColFirst; c + colStep <= m_nColLast; c += colStep) {
            const CellCorners cell = CellAt(c, r, colStep, rowStep);
            if (m_nMethod == 1)
                DrawBandCell(dc, cell);
            else
                DrawContourCell(dc, cell);
        }
    }
    m_crossings = {};
}

void CViewer2D::DrawNames(IDrawContext& dc)
{
    m_nLabelsDrawn = 0;
    if (!m_pLabelPlacer)
        return;
    m_pLabelPlacer->Reset(m_rcClient);
    LabelViewState view{m_rcClient.Width(), m_rcClient.Height(), 0};
    SortLabels(m_nNames, m_pNames, view);
    for (int i = 0; i < m_nNames; ++i) {
        const PlaceRecord& record = m_pNames[i];
        if (!IsLabelShown(view, record.kind))
            continue;
        if (record.col < m_nColFirst || record.col > m_nColLast || record.row < m_nRowFirst ||
            record.row > m_nRowLast)
            continue;
        const DrawPoint anchor = GridToScreen(record.col, record.row);
        if (m_pLabelPlacer->Place(dc, anchor.x, anchor.y, record, LabelStyle::TwoD))
            ++view.drawnCount;
    }
    m_nLabelsDrawn = view.drawnCount;
}

} // namespace qb
