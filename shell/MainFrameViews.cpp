// The main window's child frames: creating and closing views, the view
// pointers, moving the area and arranging the frames.
#include "shell/MainFrame.h"

#include "app/AreaMove.h"
#include "app/AreaTiles.h"
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "app/ViewTiling.h"
#include "platform/qt/QtText.h"
#include "shell/ChildFrame.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"
#include "terrain/AreaAssembly.h"

#include <QMdiArea>

namespace qb {
namespace {

constexpr std::string_view kNoFileMessage = "ファイルが開かれていません";
constexpr std::size_t kMaxViews = 10;

} // namespace

bool CMainFrame::ShowNewDocument(CTessimDoc& doc, const std::optional<GridRange>& restore)
{
    auto* view = new CView2DView(m_shell, doc);
    auto* frame = new CChildFrame(*this, view);
    m_pMdi->addSubWindow(frame);
    view->AttachGrid(restore);
    frame->setWindowTitle(view->Caption());
    if (m_pMdi->subWindowList().size() == 1)
        frame->showMaximized();
    else
        frame->show();
    m_pMdi->setActiveSubWindow(frame);
    m_p2DView = view;
    OnChildActivated(frame);
    return true;
}

void CMainFrame::CloseViewsOf(CTessimDoc& doc)
{
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

std::vector<CView2DView*> CMainFrame::Views() const
{
    std::vector<CView2DView*> views;
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->View() && frame->Document() && views.size() < kMaxViews)
            views.push_back(frame->View());
    }
    return views;
}

CChildFrame* CMainFrame::FrameOf(const CView2DView* view) const
{
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->View() == view)
            return frame;
    }
    return nullptr;
}

CTessimDoc* CMainFrame::ActiveDocument() const
{
    if (auto* frame = qobject_cast<CChildFrame*>(m_pMdi ? m_pMdi->activeSubWindow() : nullptr))
        return frame->Document();
    return m_p2DView ? m_p2DView->Document() : nullptr;
}

void CMainFrame::OnChildActivated(CChildFrame* frame)
{
    if (frame && frame->View()) {
        m_p2DView = frame->View();
        if (m_nMenuId != cmd::kMenu2D)
            BuildMenuBar(cmd::kMenu2D);
        setWindowTitle(QStringLiteral("Quarrenby - ") + frame->View()->Title());
    } else if (m_pMdi && m_pMdi->subWindowList().isEmpty()) {
        BuildMenuBar(cmd::kMenuNoDocument);
        setWindowTitle(QStringLiteral("Quarrenby"));
    }
    UpdateCommandStates();
}

void CMainFrame::OnViewDestroyed(CView2DView* view)
{
    if (m_p2DView == view)
        m_p2DView = nullptr;
    if (!m_pMdi)
        return;
    const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList();
    const bool onlyThis = windows.size() == 1 && qobject_cast<CChildFrame*>(windows.first())->View() == view;
    if (windows.isEmpty() || onlyThis) {
        BuildMenuBar(cmd::kMenuNoDocument);
        setWindowTitle(QStringLiteral("Quarrenby"));
    }
    UpdateCommandStates();
}

void CMainFrame::RedrawViewsOf(const CTessimDoc& doc)
{
    for (CView2DView* view : Views()) {
        if (view->Document() == &doc)
            view->Repaint();
    }
}

void CMainFrame::RedrawAllViews()
{
    for (CView2DView* view : Views())
        view->Repaint();
}

void CMainFrame::Show2DView()
{
    const std::vector<CView2DView*> views = Views();
    if (views.empty()) {
        m_shell.Messages().ShowMessage(kNoFileMessage);
        return;
    }
    m_p2DView = views.front();
    if (CChildFrame* frame = FrameOf(m_p2DView))
        m_pMdi->setActiveSubWindow(frame);
}

void CMainFrame::MoveArea(int direction)
{
    CView2DView* view = m_p2DView;
    if (!view || !view->Document())
        return;
    std::optional<GridRange> shifted;
    int cols = 0;
    int rows = 0;
    const int result = view->Viewer().MoveRange(direction, [&](const GridRange& range, int c, int r) {
        shifted = range;
        cols = c;
        rows = r;
    });
    if (result == 2 && shifted) {
        ReopenMovedArea(direction, *shifted, cols, rows);
        return;
    }
    view->Repaint();
}

// Opens the area next to the current one, showing the moved range in it.
void CMainFrame::ReopenMovedArea(int direction, const GridRange& shifted, int cols, int rows)
{
    CTessimDoc& doc = *m_p2DView->Document();
    CTessimApp& app = m_shell.App();
    const int fileType = doc.Grid().m_nFileType;
    const bool singleFile = !doc.Grid().m_bJoined;
    const CAreaRecords current = singleFile ? SingleFileArea(doc.PathName()) : app.m_area;
    const std::optional<AreaMove> move = MoveAreaPast(current, direction, shifted, cols, rows);
    if (!move) {
        m_shell.Messages().ShowMessage(kFileNotFoundMessage);
        return;
    }
    // Text meshes are read as the data disc's are; a single one names no data source.
    const bool textMesh = fileType == kFileMem || fileType == kFileSem;
    const int mapKind = app.m_nMapKind;
    const int meshSetting = textMesh ? kMeshDisc : mapKind;
    // Re-opening closes this document first: where no tile of the moved
    // area exists, the user keeps what they see.
    if (!AnyAreaTileExists(AreaTilePaths(move->areas.base, meshSetting, 1, app.m_strDatabaseFolder))) {
        m_shell.Messages().ShowMessage(kFileNotFoundMessage);
        return;
    }
    const CAreaRecords previousArea = app.m_area;
    const int previousMode = app.m_nOpenMode;
    const int previousSource = app.m_nSourceKind;
    m_moveRecord = move->areas;
    m_moveRange = move->range;
    app.m_area = m_moveRecord;
    app.m_nOpenMode = 1;
    app.m_nMapKind = meshSetting;
    if (textMesh && singleFile)
        app.m_nSourceKind = 0;
    const bool opened = m_shell.Documents().OpenDocumentFile(app.m_area.base.BaseFile(), m_moveRange) != nullptr;
    app.m_nMapKind = mapKind;
    // The user kept the document at the save question: its area stays the application's.
    if (!opened && m_shell.Documents().Owns(&doc)) {
        app.m_area = previousArea;
        app.m_nOpenMode = previousMode;
        app.m_nSourceKind = previousSource;
    }
    m_moveRange.reset();
}

void CMainFrame::TileWindows()
{
    const QSize client = m_pMdi->viewport()->size();
    std::vector<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        if (!window->isMinimized())
            frames.push_back(qobject_cast<CChildFrame*>(window));
    }
    if (frames.empty())
        return;
    // One view of each kind is laid out by its own rule; the 2-D view is the
    // only kind so far, so the frames share the client area evenly.
    const bool stacked = FallbackTilingFor(client.width(), client.height()) == FallbackTiling::Horizontal;
    const int n = static_cast<int>(frames.size());
    for (int i = 0; i < n; ++i) {
        CChildFrame* frame = frames[static_cast<std::size_t>(i)];
        frame->showNormal();
        if (stacked)
            frame->setGeometry(0, client.height() * i / n, client.width(), client.height() / n);
        else
            frame->setGeometry(client.width() * i / n, 0, client.width() / n, client.height());
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
