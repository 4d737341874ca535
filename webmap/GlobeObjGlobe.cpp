#include "webmap/GlobeObj.h"

#include "webmap/GlobeDraw.h"
#include "webmap/StoredTiles.h"

namespace qb {

void CGlobeObj::DrawGlobe(IDrawContext& dc, int width, int height, bool printer)
{
    m_globeWidth = width;
    m_globeHeight = height;
    ClampGlobeView(m_globe.m_options);
    GlobeScene scene;
    scene.options = &m_globe.m_options;
    scene.fonts = &m_globe.m_fonts;
    scene.records = &m_globe.m_records;
    scene.dataKind = m_nDataKind;
    scene.printer = printer;
    if (m_bInDialog && m_nMeshSetting >= 1 && m_nMeshSetting <= 5)
        scene.storedCells = StoredTileCells(m_strDatabaseFolder, m_nMeshSetting);
    if (m_globeMouse.DragBox())
        scene.chosenBox = m_globeMouse.DragBox();
    else if (m_bAreaChosen)
        scene.chosenBox = m_selBox;
    qb::DrawGlobe(dc, GlobeViewOf(m_globe.m_options, width, height), scene);
}

bool CGlobeObj::OnGlobeMouseDown(DrawPoint point)
{
    m_globeMouse.Press(GlobeViewOf(m_globe.m_options, m_globeWidth, m_globeHeight), point, m_globe.m_options);
    return false;
}

bool CGlobeObj::OnGlobeMouseMove(DrawPoint point, std::string& statusText)
{
    const GlobeView view = GlobeViewOf(m_globe.m_options, m_globeWidth, m_globeHeight);
    const auto at = ScreenToGlobe(view, point);
    statusText = at ? GlobeStatusText(at->lat, -at->negatedLon) : std::string();
    return m_globeMouse.Move(view, point, m_globe.m_options, m_nDataKind);
}

bool CGlobeObj::OnGlobeMouseUp(DrawPoint point)
{
    if (!m_globeMouse.Dragging())
        return false;
    const GlobeView view = GlobeViewOf(m_globe.m_options, m_globeWidth, m_globeHeight);
    const auto box = m_globeMouse.Release(view, point, m_globe.m_options, m_nDataKind);
    if (box) {
        m_selBox = *box;
        m_bAreaChosen = 1;
        m_host.SetAreaBox(m_selBox);
        m_host.SetViewBox(m_selBox);
    }
    return true;
}

} // namespace qb
