#include "views/Viewer2D.h"

#include "terrain/HeightGrid.h"

namespace qb {

CViewer2D::CellCorners CViewer2D::CellAt(int col, int row, int colStep, int rowStep) const
{
    const auto corner = [this](int c, int r) {
        return EdgeEnd{GridToScreen(c, r), double(m_pGrid->Height(r, c))};
    };
    return {corner(col, row), corner(col + colStep, row), corner(col, row + rowStep),
            corner(col + colStep, row + rowStep)};
}

// The cell is split along the diagonal q-t into the triangles p, q, t and
// q, t, s; in each triangle the crossings of one level are joined by a line.
void CViewer2D::DrawContourCell(IDrawContext& dc, const CellCorners& cell)
{
    m_crossings.clear();
    AppendCrossings(m_levels, cell.q, cell.t, m_crossings);
    for (const Crossing& c : m_crossings)
        dc.SetPixel(c.x, c.y, HeightColour(c.level));
    const std::size_t diagonal = m_crossings.size();
    AppendCrossings(m_levels, cell.t, cell.p, m_crossings);
    AppendCrossings(m_levels, cell.p, cell.q, m_crossings);
    JoinCrossings(dc);
    m_crossings.resize(diagonal);
    AppendCrossings(m_levels, cell.t, cell.s, m_crossings);
    AppendCrossings(m_levels, cell.s, cell.q, m_crossings);
    JoinCrossings(dc);
    DrawSeaEdges(dc, cell);
}

// Joins every crossing to the first later crossing of the same level.
void CViewer2D::JoinCrossings(IDrawContext& dc) const
{
    for (std::size_t i = 0; i < m_crossings.size(); ++i) {
        for (std::size_t j = i + 1; j < m_crossings.size(); ++j) {
            if (m_crossings[j].level != m_crossings[i].level)
                continue;
            dc.SelectPen(m_pens[BandIndex(m_crossings[i].level)]);
            dc.MoveTo(m_crossings[j].x, m_crossings[j].y);
            dc.LineTo(m_crossings[i].x, m_crossings[i].y);
            break;
        }
    }
}

// Sea and no-data areas carry height 0: their cell edges are outlined in blue.
void CViewer2D::DrawSeaEdges(IDrawContext& dc, const CellCorners& cell) const
{
    const EdgeEnd* ring[] = {&cell.p, &cell.q, &cell.s, &cell.t, &cell.p};
    bool penSelected = false;
    for (int i = 0; i < 4; ++i) {
        if (ring[i]->height != 0.0 || ring[i + 1]->height != 0.0)
            continue;
        if (!penSelected)
            dc.SelectPen(m_pens[kPenBlue]);
        penSelected = true;
        dc.MoveTo(ring[i]->point.x, ring[i]->point.y);
        dc.LineTo(ring[i + 1]->point.x, ring[i + 1]->point.y);
    }
}

// The cell takes the colour of its top-left corner, as a rectangle, a row or
// a column of pixels, or one pixel, whichever its size on screen allows.
void CViewer2D::DrawBandCell(IDrawContext& dc, const CellCorners& cell) const
{
    const Colour colour = HeightColour(cell.p.height);
    const DrawPoint p = cell.p.point;
    const bool wide = cell.q.point.x - p.x > 1;
    const bool tall = cell.t.point.y - p.y > 1;
    if (wide && tall) {
        dc.FillRect({p.x, p.y, cell.s.point.x, cell.s.point.y}, colour);
    } else if (wide) {
        for (int x = p.x; x < cell.q.point.x; ++x)
            dc.SetPixel(x, p.y, colour);
    } else if (tall) {
        for (int y = p.y; y < cell.t.point.y; ++y)
            dc.SetPixel(p.x, y, colour);
    } else {
        dc.SetPixel(p.x, p.y, colour);
    }
}

} // namespace qb
