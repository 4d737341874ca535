// The re-open of the area a move left the grid into, with the views the
// old area had: each comes back in its frame's place, showing the moved
// range, and the rendering view keeps its camera.
#include "shell/MainFrame.h"

#include "app/TessimDoc.h"
#include "shell/ChildFrame.h"
#include "shell/ShellApp.h"
#include "shell/ViewCGView.h"

#include <QMdiArea>

namespace qb {
namespace {

// A view's frame as the old area left it.
struct KeptFrame {
    ViewKind kind;
    QRect geometry;
    Qt::WindowStates state;
};

struct KeptViews {
    std::vector<KeptFrame> frames;
    std::optional<ViewKind> active;
    std::optional<RenderViewState> render;
};

void PlaceKeptFrame(QMdiSubWindow& frame, const KeptFrame& kept)
{
    if (kept.state & Qt::WindowMaximized) {
        frame.showMaximized();
        return;
    }
    frame.showNormal();
    frame.setGeometry(kept.geometry);
    if (kept.state & Qt::WindowMinimized)
        frame.showMinimized();
}

} // namespace

void CMainFrame::ReopenMovedArea(CTessimDoc& doc, int direction, const GridRange& shifted, int gridCols, int gridRows)
{
    KeptViews kept;
    for (C3DView* view : ViewsOf(doc)) {
        const CChildFrame* frame = FrameOf(view);
        kept.frames.push_back({view->Kind(), frame->geometry(), frame->windowState()});
        if (frame == m_pMdi->activeSubWindow())
            kept.active = view->Kind();
        if (const auto* render = qobject_cast<const CViewCGView*>(view))
            kept.render = render->HandOverState();
    }
    CTessimDoc* reopened = m_moveReopen.Reopen(doc, direction, shifted, gridCols, gridRows);
    if (!reopened)
        return;
    // The new area opened with its 2-D view; the map view then takes the
    // 2-D view's range, the rendering view the stored moved range.
    for (const ViewKind kind : {ViewKind::Map, ViewKind::Rendering}) {
        const bool wanted = std::any_of(kept.frames.begin(), kept.frames.end(),
                                        [kind](const KeptFrame& frame) { return frame.kind == kind; });
        if (!wanted || !m_shell.Templates().Of(kind).CanCreateView())
            continue;
        CChildFrame* frame = CreateFrame(m_shell.Templates().Of(kind), *reopened, std::nullopt, nullptr);
        if (!frame)
            continue;
        SetViewOf(frame->View());
        if (auto* render = qobject_cast<CViewCGView*>(frame->View()); render && kept.render)
            render->TakeOverState(*kept.render);
    }
    CChildFrame* activate = nullptr;
    for (C3DView* view : ViewsOf(*reopened)) {
        CChildFrame* frame = FrameOf(view);
        for (const KeptFrame& keptFrame : kept.frames) {
            if (keptFrame.kind == view->Kind())
                PlaceKeptFrame(*frame, keptFrame);
        }
        if (kept.active == view->Kind())
            activate = frame;
    }
    if (activate)
        m_pMdi->setActiveSubWindow(activate);
}

} // namespace qb
