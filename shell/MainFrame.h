#pragma once
#include "app/DocumentManager.h"
#include "app/MovedAreaReopen.h"
#include "app/ViewTemplates.h"
#include "views/GridRange.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QPrinter;
class QToolBar;

namespace qb {

class C3DView;
class CChildFrame;
class CContextHelpMode;
class CDocTemplate;
class CShellApp;
class CView2DView;
enum class FrameMessage;

// The main window: the menus of the active view kind, the toolbar, the
// status bar with its progress display, and one child frame per view.
class CMainFrame final : public QMainWindow, public IDocumentWindows {
    Q_OBJECT
public:
    explicit CMainFrame(CShellApp& shell);
    ~CMainFrame() override;

    // Runs a command of the menus, the toolbar or the accelerators.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    void UpdateCommandStates();
    QAction* Action(int id) const;

    bool ShowNewDocument(CTessimDoc& doc, const std::optional<GridRange>& restore) override;
    void CloseViewsOf(CTessimDoc& doc) override;
    void SetStatusText(std::string_view text) override;

    // The status bar's progress display while tiles are read.
    void BeginProgress();
    void UpdateProgress(int percent);
    void EndProgress(int value);
    bool HasProgress() const { return m_pProgress != nullptr; }

    // The current 2-D view, or none.
    CView2DView* View2D() const { return m_p2DView; }
    // The current view of a kind, or none.
    C3DView* ViewOf(ViewKind kind) const;
    // Every view of the open documents, at most ten, and those of one document.
    std::vector<C3DView*> Views() const;
    std::vector<C3DView*> ViewsOf(const CTessimDoc& doc) const;
    CChildFrame* FrameOf(const C3DView* view) const;
    QMdiArea* MdiArea() const { return m_pMdi; }
    // The menu resource shown now: 128 without a view, else the active view's.
    int ActiveMenuId() const { return m_nMenuId; }

    // Called by the child frames and views as they come and go.
    void OnChildActivated(CChildFrame* frame);
    void OnViewDestroyed(C3DView* view);
    // A frame's close: its document closes after the save question.
    void CloseDocumentOf(CChildFrame& frame);
    // The views of a document changed: every view of it draws again.
    void RedrawViewsOf(const CTessimDoc& doc);

    // A range chosen in the 2-D view goes to the map view, which passes it
    // on, or else to the rendering view.
    void PassOnRange(const GridRange& range);
    // The show command of a view kind: brings up the current document's
    // view of that kind, showing the range of another view.
    void ShowViewKind(ViewKind kind);
    // The move command: moves the views' ranges or re-opens the moved area.
    void MoveArea(int direction);
    void TileWindows();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The main window's activation, its moves and palette changes reach the
    // rendering view after the window's own handling.
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateActions();
    void AddCommandAction(int id, const QString& text);
    void CreateToolBar();
    void CreateStatusBar();
    void BuildMenuBar(int menuId);
    void AddRecentFiles(QMenu* menu);
    void AddWindowList(QMenu* menu);
    bool IsCommandChecked(int id) const;
    // Help: the context of F1 now, and of a click in context-help mode.
    int CurrentHelpContext() const;
    int HelpContextAt(QWidget* widget, const QPoint& globalPos) const;

    // Commands.
    void OpenFile();
    void OpenFromMap();
    void SearchFromFolder();
    void OpenRecentFile(int index);
    void OpenByPath(const std::string& path);
    void CloseActiveDocument();
    void SavePlaces();
    void ShowMapInfo();
    void RunFolderSettings();
    void RunLabelDialog(int id);
    void RunViewCommand(int id);
    void RunHeightScale();
    void Choose2DMethod();
    void RedrawAllViews();
    void ArrangeIcons();
    bool IsMoveCommandEnabled(int direction) const;
    bool IsShowCommandEnabled(ViewKind kind) const;
    // The views the move command moves, in the order it moves them.
    std::vector<C3DView*> MovingViews() const;
    // A new frame of the template's kind for the document, modelled on
    // `model` (maximised when it is); null when no view could be made.
    CChildFrame* CreateFrame(const CDocTemplate& docTemplate, CTessimDoc& doc, const std::optional<GridRange>& restore,
                             const QMdiSubWindow* model);
    void SetViewOf(C3DView* view);
    void PassOnToRenderView(FrameMessage message);
    bool TileThreeFrames(const QSize& client);
    QSize TilingClient() const;
    // Re-opens the area a move left the grid into; the views the old area
    // had come back on the new one, in their frames' places.
    void ReopenMovedArea(CTessimDoc& doc, int direction, const GridRange& shifted, int gridCols, int gridRows);
    // The view of the menu shown now: the one last activated.
    C3DView* CurrentView() const;
    // The map view while its menu shows, else none.
    C3DView* ShownMapView() const;
    CTessimDoc* ActiveDocument() const;

    CShellApp& m_shell;
    QMdiArea* m_pMdi = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pStatusText = nullptr;
    QProgressBar* m_pProgress = nullptr;
    int m_nProgressLast = 0;
    std::map<int, QAction*> m_actions;
    std::vector<QAction*> m_recentActions;
    std::vector<QAction*> m_windowActions;
    int m_nMenuId = 128;
    // The current view of each kind.
    CView2DView* m_p2DView = nullptr;
    C3DView* m_pMapView = nullptr;
    C3DView* m_pRenderView = nullptr;
    // The move record, and the range a move past the grid's edge shows in the re-opened area.
    CMovedAreaReopen m_moveReopen;
    CContextHelpMode* m_pContextHelp = nullptr;
    // The printer every print job and the printer set-up share.
    std::unique_ptr<QPrinter> m_pPrinter;
};

} // namespace qb
