#include "views/Viewer2D.h"

#include "terrain/HeightGrid.h"
#include "views/ViewHost.h"

namespace qb {
namespace {

// Stands in for a missing window so the engine never has to ask whether it has one.
class CNoViewHost final : public IViewHost {
public:
    void Repaint() override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void SetCursor(ViewCursor) override {}
    void SetStatusText(std::string_view) override {}
    void ShowMessage(std::string_view, MessageIcon) override {}
};

CNoViewHost g_noViewHost;

} // namespace

CViewer2D::CViewer2D(IViewHost* host) : m_pHost(host ? host : &g_noViewHost)
{
    for (std::size_t i = 0; i < kHeightBands.size(); ++i)
        m_pens[i] = kHeightBands[i];
    m_pens[kPenBrown] = Rgb(128, 64, 0);
    m_pens[kPenBlack] = Rgb(0, 0, 0);
    m_pens[kPenBlue] = kSeaBlue;
    m_pens[kPenGreen] = Rgb(64, 202, 122);
}

void CViewer2D::SetHost(IViewHost* host)
{
    m_pHost = host ? host : &g_noViewHost;
}

void CViewer2D::Attach(CHeightGrid& grid, const std::optional<GridRange>& restore, bool documentShownBefore)
{
    m_pGrid = &grid;
    m_nGridRows = grid.m_nRows;
    m_nGridCols = grid.m_nCols;
    m_nColSpacing = grid.GetMeshSize();
    m_nRowSpacing = grid.GetMeshSize2();
    GridRange range{0, 0, grid.m_nCols - 1, grid.m_nRows - 1};
    if (restore)
        range = ClampedToGrid(*restore);
    else if (!documentShownBefore)
        g_ZoomHistory.Clear();
    m_nColFirst = range.colFirst;
    m_nRowFirst = range.rowFirst;
    m_nColLast = range.colLast;
    m_nRowLast = range.rowLast;
    m_fRangeMax = grid.m_fMaxHeight;
    m_fRangeMin = grid.m_fMinHeight;
    m_bHoverShown = 0;
    Recount();
}

void CViewer2D::SetNames(PlaceRecord* records, int count)
{
    m_pNames = count > 0 ? records : nullptr;
    m_nNames = m_pNames ? count : 0;
}

} // namespace qb
