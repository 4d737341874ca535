#pragma once
#include "shell/DocumentManager.h"
#include "terrain/AreaRecord.h"
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

class CChildFrame;
class CContextHelpMode;
class CShellApp;
class CView2DView;

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
    // Every 2-D view of the open documents, at most ten.
    std::vector<CView2DView*> Views() const;
    QMdiArea* MdiArea() const { return m_pMdi; }
    // The menu resource shown now: 128 without a view, else the active view's.
    int ActiveMenuId() const { return m_nMenuId; }

    // Called by the child frames and views as they come and go.
    void OnChildActivated(CChildFrame* frame);
    void OnViewDestroyed(CView2DView* view);
    // A frame's close: its document closes after the save question.
    void CloseDocumentOf(CChildFrame& frame);
    // The views of a document changed: every view of it draws again.
    void RedrawViewsOf(const CTessimDoc& doc);

    // The move command: moves the views' ranges or re-opens the moved area.
    void MoveArea(int direction);
    void TileWindows();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void AddCommandAction(int id, const QString& text);
    void CreateToolBar();
    void CreateStatusBar();
    void BuildMenuBar(int menuId);
    void AddRecentFiles(QMenu* menu);
    bool IsCommandChecked(int id) const;
    // Help: the context of F1 now, and of a click in context-help mode.
    int CurrentHelpContext() const;
    int HelpContextAt(QWidget* widget, const QPoint& globalPos) const;

    // Commands.
    void OpenFile();
    void OpenRecentFile(int index);
    void OpenByPath(const std::string& path);
    void CloseActiveDocument();
    void SavePlaces();
    void ShowMapInfo();
    void Show2DView();
    void RunFolderSettings();
    void RunLabelDialog(int id);
    void RunViewCommand(int id);
    void RunHeightScale();
    void Choose2DMethod();
    void RedrawAllViews();
    void ArrangeIcons();
    bool IsMoveCommandEnabled(int direction) const;
    void ReopenMovedArea(int direction, const GridRange& shifted, int cols, int rows);
    CTessimDoc* ActiveDocument() const;
    CChildFrame* FrameOf(const CView2DView* view) const;

    CShellApp& m_shell;
    QMdiArea* m_pMdi = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pStatusText = nullptr;
    QProgressBar* m_pProgress = nullptr;
    int m_nProgressLast = 0;
    std::map<int, QAction*> m_actions;
    std::vector<QAction*> m_recentActions;
    int m_nMenuId = 128;
    CView2DView* m_p2DView = nullptr;
    // The area and range a move past the grid's edge re-opens; the flag is
    // set only while such a re-open is under way.
    CAreaRecords m_moveRecord;
    std::optional<GridRange> m_moveRange;
    CContextHelpMode* m_pContextHelp = nullptr;
    // The printer every print job and the printer set-up share.
    std::unique_ptr<QPrinter> m_pPrinter;
};

} // namespace qb
