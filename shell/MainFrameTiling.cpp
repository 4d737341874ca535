// Arranging the main window's child frames.
#include "shell/MainFrame.h"

#include "app/ViewTiling.h"
#include "shell/ChildFrame.h"
#include "shell/View2DView.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace qb {
namespace {

void PlaceFrame(QMdiSubWindow& frame, const FrameRect& rect)
{
    frame.showNormal();
    frame.setGeometry(rect.x, rect.y, rect.width, rect.height);
}

} // namespace

// The three views of a document in the rendering view's layout, each
// frame normal; false when the views are not all there and up.
bool CMainFrame::TileThreeFrames(const QSize& client)
{
    CChildFrame* render = FrameOf(m_pRenderView);
    CChildFrame* view2D = FrameOf(m_p2DView);
    CChildFrame* map = FrameOf(m_pMapView);
    if (!render || !view2D || !map || render->isMinimized() || view2D->isMinimized() || map->isMinimized())
        return false;
    m_pMdi->tileSubWindows();
    const ThreeViewLayout layout = TileThreeViews(client.width(), client.height());
    PlaceFrame(*render, layout.render);
    PlaceFrame(*view2D, layout.view2D);
    PlaceFrame(*map, layout.map);
    return true;
}

// The main window's room below the menu bar, less the room of the docked
// status bar and toolbar, kept inside the MDI area the frames are placed in
// (its whole size: a scroll bar shown for the frames as they lie now goes
// once they are tiled).
QSize CMainFrame::TilingClient() const
{
    int width = this->width();
    int height = this->height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    const bool toolbarDocked = m_pToolBar->isVisible() && !m_pToolBar->isFloating();
    const BarsState bars{statusBar()->isVisible(), statusBar()->height(), toolbarDocked, m_pToolBar->width(),
                         m_pToolBar->height()};
    TilingClientSize(bars, width, height);
    const QSize area = m_pMdi->size();
    return {std::min(width, area.width()), std::min(height, area.height())};
}

void CMainFrame::TileWindows()
{
    if (TileThreeFrames(TilingClient()))
        return;
    const QSize client = m_pMdi->viewport()->size();
    std::vector<QMdiSubWindow*> frames;
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        if (!window->isMinimized())
            frames.push_back(window);
    }
    if (frames.empty())
        return;
    // The window system's tiling: the frames share the client area evenly,
    // stacked when it is at least as tall as it is wide, else side by side.
    const bool stacked = FallbackTilingFor(client.width(), client.height()) == FallbackTiling::Horizontal;
    const int n = static_cast<int>(frames.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow& frame = *frames[static_cast<std::size_t>(i)];
        if (stacked)
            PlaceFrame(frame, {0, client.height() * i / n, client.width(), client.height() / n});
        else
            PlaceFrame(frame, {client.width() * i / n, 0, client.width() / n, client.height()});
    }
}

// Minimised frames in a row along the bottom of the client area.
void CMainFrame::ArrangeIcons()
{
    const QSize client = m_pMdi->viewport()->size();
    int x = 0;
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, client.height() - size.height());
        x += size.width();
    }
}

} // namespace qb
