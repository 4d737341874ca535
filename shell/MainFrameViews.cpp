// The main window's child frames: creating and closing views, the view
// pointers, showing a view kind, passing ranges on and moving the area.
#include "shell/MainFrame.h"

#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "app/ViewHandOver.h"
#include "shell/ChildFrame.h"
#include "shell/DocTemplate.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"

#include <QMdiArea>

#include <algorithm>

namespace qb {
namespace {

constexpr std::string_view kNoFileMessage = "ファイルが開かれていません";
constexpr std::size_t kMaxViews = 10;

C3DView* OfKind(const std::vector<C3DView*>& views, ViewKind kind)
{
    const auto found = std::find_if(views.begin(), views.end(), [kind](const C3DView* v) { return v->Kind() == kind; });
    return found == views.end() ? nullptr : *found;
}

// What a document's view of kind `wanted` takes from its other views when
// it is brought up; the angles start as `angles` and take the source view's.
std::optional<ViewHandOver> HandOverTo(ViewKind wanted, const std::vector<C3DView*>& views, ViewAngles angles)
{
    std::vector<ViewKind> present;
    for (const C3DView* view : views)
        present.push_back(view->Kind());
    const std::optional<HandOverSource> source = HandOverSourceFor(wanted, present);
    if (!source)
        return std::nullopt;
    const C3DView* from = OfKind(views, source->from);
    const std::optional<ViewExtent> extent = from->Extent();
    if (!extent)
        return std::nullopt;
    if (const std::optional<ViewAngles> fromAngles = from->Angles())
        angles = *fromAngles;
    return ViewHandOver{extent->range, source->withAngles ? std::optional(angles) : std::nullopt};
}

} // namespace

bool CMainFrame::ShowNewDocument(CTessimDoc& doc, const std::optional<GridRange>& restore)
{
    CChildFrame* frame = CreateFrame(m_shell.Templates().First(), doc, restore, nullptr);
    if (!frame)
        return false;
    // The frame is active already unless the window system held the activation back.
    if (m_pMdi->activeSubWindow() != frame)
        OnChildActivated(frame);
    return true;
}

CChildFrame* CMainFrame::CreateFrame(const CDocTemplate& docTemplate, CTessimDoc& doc,
                                     const std::optional<GridRange>& restore, const QMdiSubWindow* model)
{
    const bool shownBefore = !ViewsOf(doc).empty();
    C3DView* view = docTemplate.CreateView(m_shell, doc);
    if (!view)
        return nullptr;
    auto* frame = new CChildFrame(*this, view, docTemplate.Icon());
    m_pMdi->addSubWindow(frame);
    // A rendering view of an area re-opened by a move starts at the moved range.
    const bool stored = !restore && view->Kind() == ViewKind::Rendering;
    view->OnInitialUpdate(stored ? m_moveReopen.StoredRange(doc) : restore, shownBefore);
    frame->setWindowTitle(view->Caption());
    if (m_pMdi->subWindowList().size() == 1 || (model && model->isMaximized()))
        frame->showMaximized();
    else
        frame->show();
    m_pMdi->setActiveSubWindow(frame);
    return frame;
}

void CMainFrame::CloseViewsOf(CTessimDoc& doc)
{
    m_moveReopen.Forget(doc);
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->Document() == &doc)
            frame->Dismiss();
    }
}

void CMainFrame::CloseDocumentOf(CChildFrame& frame)
{
    CTessimDoc* doc = frame.Document();
    if (!doc || !m_shell.Documents().Owns(doc)) {
        frame.Dismiss();
        return;
    }
    m_shell.Documents().CloseDocument(*doc);
    UpdateCommandStates();
}

C3DView* CMainFrame::ViewOf(ViewKind kind) const
{
    switch (kind) {
    case ViewKind::TwoD: return m_p2DView;
    case ViewKind::Map: return m_pMapView;
    case ViewKind::Rendering: return m_pRenderView;
    }
    return nullptr;
}

void CMainFrame::SetViewOf(C3DView* view)
{
    switch (view->Kind()) {
    case ViewKind::TwoD: m_p2DView = qobject_cast<CView2DView*>(view); break;
    case ViewKind::Map: m_pMapView = view; break;
    case ViewKind::Rendering: m_pRenderView = view; break;
    }
}

C3DView* CMainFrame::CurrentView() const
{
    const std::optional<ViewKind> kind = ViewKindOfMenu(m_nMenuId);
    return kind ? ViewOf(*kind) : nullptr;
}

std::vector<C3DView*> CMainFrame::Views() const
{
    std::vector<C3DView*> views;
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->View() && frame->Document() && views.size() < kMaxViews)
            views.push_back(frame->View());
    }
    return views;
}

std::vector<C3DView*> CMainFrame::ViewsOf(const CTessimDoc& doc) const
{
    std::vector<C3DView*> views = Views();
    std::erase_if(views, [&doc](const C3DView* view) { return view->Document() != &doc; });
    return views;
}

CChildFrame* CMainFrame::FrameOf(const C3DView* view) const
{
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && view && frame->View() == view)
            return frame;
    }
    return nullptr;
}

CTessimDoc* CMainFrame::ActiveDocument() const
{
    if (auto* frame = qobject_cast<CChildFrame*>(m_pMdi ? m_pMdi->activeSubWindow() : nullptr))
        return frame->Document();
    const C3DView* view = CurrentView();
    return view ? view->Document() : nullptr;
}

// The activated frame's view becomes the view of its kind, and its kind's
// menu bar is shown.
void CMainFrame::OnChildActivated(CChildFrame* frame)
{
    if (frame && frame->View()) {
        C3DView* view = frame->View();
        SetViewOf(view);
        const int menuId = TemplateInfoOf(view->Kind()).resourceId;
        if (m_nMenuId != menuId)
            BuildMenuBar(menuId);
        setWindowTitle(QStringLiteral("Quarrenby - ") + view->Title());
        view->OnActivateView();
    } else if (m_pMdi && m_pMdi->subWindowList().isEmpty()) {
        BuildMenuBar(cmd::kMenuNoDocument);
        setWindowTitle(QStringLiteral("Quarrenby"));
    }
    UpdateCommandStates();
}

void CMainFrame::OnViewDestroyed(C3DView* view)
{
    if (m_p2DView == view)
        m_p2DView = nullptr;
    if (m_pMapView == view)
        m_pMapView = nullptr;
    if (m_pRenderView == view)
        m_pRenderView = nullptr;
    if (!m_pMdi)
        return;
    // The frame of the view may be going too: it no longer counts as a view's frame.
    const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList();
    const bool othersLeft = std::any_of(windows.begin(), windows.end(), [view](QMdiSubWindow* window) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        return frame && frame->View() != view;
    });
    if (!othersLeft) {
        BuildMenuBar(cmd::kMenuNoDocument);
        setWindowTitle(QStringLiteral("Quarrenby"));
    }
    UpdateCommandStates();
}

void CMainFrame::RedrawViewsOf(const CTessimDoc& doc)
{
    for (C3DView* view : ViewsOf(doc))
        view->Repaint();
}

void CMainFrame::RedrawAllViews()
{
    for (C3DView* view : Views())
        view->Repaint();
}

void CMainFrame::PassOnRange(const GridRange& range)
{
    if (C3DView* to = m_pMapView ? m_pMapView : m_pRenderView)
        to->ShowRange(ViewHandOver{range, std::nullopt});
}

bool CMainFrame::IsShowCommandEnabled(ViewKind kind) const
{
    return ViewOf(kind) == nullptr && m_shell.Templates().Of(kind).CanCreateView();
}

void CMainFrame::ShowViewKind(ViewKind kind)
{
    CTessimDoc* doc = ActiveDocument();
    if (Views().empty() || !doc) {
        m_shell.Messages().ShowMessage(kNoFileMessage);
        return;
    }
    const ViewAngles angles = StartingViewAngles(m_shell.App().Settings());
    const std::vector<C3DView*> views = ViewsOf(*doc);
    const std::optional<ViewHandOver> handOver = HandOverTo(kind, views, angles);
    C3DView* existing = OfKind(views, kind);
    CChildFrame* frame = existing ? FrameOf(existing)
                                  : CreateFrame(m_shell.Templates().Of(kind), *doc, std::nullopt, m_pMdi->activeSubWindow());
    // A view that could not be made leaves the view pointers as they were.
    if (!frame)
        return;
    if (handOver)
        frame->View()->ShowRange(*handOver);
    SetViewOf(frame->View());
    m_pMdi->setActiveSubWindow(frame);
}

std::vector<C3DView*> CMainFrame::MovingViews() const
{
    std::vector<C3DView*> views;
    if (m_p2DView)
        views.push_back(m_p2DView);
    // The map view follows the 2-D view.
    if (m_pMapView && m_p2DView)
        views.push_back(m_pMapView);
    if (m_pRenderView)
        views.push_back(m_pRenderView);
    return views;
}

// Every view moves one step; a view whose range leaves its grid re-opens
// the area beyond that edge instead.
void CMainFrame::MoveArea(int direction)
{
    for (C3DView* view : MovingViews()) {
        CTessimDoc* doc = view->Document();
        if (!doc)
            continue;
        std::optional<GridRange> shifted;
        int cols = 0;
        int rows = 0;
        const int result = view->MoveView(direction, [&](const GridRange& range, int c, int r) {
            shifted = range;
            cols = c;
            rows = r;
        });
        if (result == 2 && shifted) {
            ReopenMovedArea(*doc, direction, *shifted, cols, rows);
            return;
        }
        if (view == m_pMapView) {
            if (const std::optional<ViewExtent> shown = m_p2DView->Extent())
                view->FollowRange(shown->range);
        }
        view->Repaint();
    }
}

} // namespace qb
