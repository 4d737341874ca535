// The commands the main window handles: opening, closing, saving, the map
// information, the folder settings and the bars.
#include "shell/MainFrame.h"

#include "app/CommandIds.h"
#include "app/MoveRules.h"
#include "app/OpenFileCommand.h"
#include "app/TessimDoc.h"
#include "platform/qt/QtText.h"
#include "shell/ChildFrame.h"
#include "shell/ContextHelp.h"
#include "shell/help/HelpWindow.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"
#include "shell/dialogs/FolderSettingsCommand.h"
#include "shell/dialogs/MapInfoDlg.h"
#include "shell/dialogs/SelectFontDlg.h"
#include "shell/dialogs/SelectLevelDlg.h"
#include "shell/settings/SettingsCommands.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

#include <filesystem>

namespace qb {
namespace {

// A filter of the open-file dialog: its name, and its patterns in both
// cases, since the file system tells "a.3dm" from "a.3DM".
QString NameFilter(const FileFilter& filter)
{
    const QString patterns = ToQString(filter.patterns).replace(QLatin1Char(';'), QLatin1Char(' '));
    return ToQString(filter.name) + QStringLiteral(" (") + patterns + QLatin1Char(' ') + patterns.toLower() +
           QLatin1Char(')');
}

} // namespace

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case cmd::kFileOpen: OpenFile(); break;
    case cmd::kOpenFromMap: OpenFromMap(); break;
    case cmd::kSearchFolder: SearchFromFolder(); break;
    case cmd::kFileClose: CloseActiveDocument(); break;
    case cmd::kSavePlaces: SavePlaces(); break;
    case cmd::kAppExit: close(); break;
    case cmd::kViewToolbar: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case cmd::kViewStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case cmd::kShow2D:
    case cmd::kShowMap:
    case cmd::kShowRender: ShowViewKind(*ViewKindOfShowCommand(id)); break;
    case cmd::kMoveEast:
    case cmd::kMoveWest:
    case cmd::kMoveNorth:
    case cmd::kMoveSouth: MoveArea(MoveDirectionOfCommand(id)); break;
    case cmd::kMapInfo: ShowMapInfo(); break;
    case cmd::kFolderSettings: RunFolderSettings(); break;
    case cmd::kCascade: m_pMdi->cascadeSubWindows(); break;
    case cmd::kTile: TileWindows(); break;
    case cmd::kArrangeIcons: ArrangeIcons(); break;
    case cmd::kFonts:
    case cmd::kPlaceDisplay: RunLabelDialog(id); break;
    case cmd::kFilePrint:
    case cmd::kPrintPreview:
    case cmd::kCopyBitmap:
    case cmd::kCopyPicture: RunViewCommand(id); break;
    case cmd::kPrintSetup: QPageSetupDialog(m_pPrinter.get(), this).exec(); break;
    case cmd::kMargins: RunMarginCommand(m_shell.App(), m_shell.Messages(), this); break;
    case cmd::kDataDrive: RunDataDriveCommand(m_shell.App(), this); break;
    case cmd::kHeightScale: RunHeightScale(); break;
    case cmd::k2DMethod: Choose2DMethod(); break;
    case cmd::kAbout: ShowAboutBox(this); break;
    case cmd::kHelp: ShowHelpContext(CurrentHelpContext()); break;
    case cmd::kContextHelp: m_pContextHelp->Begin(); break;
    case cmd::kHelpIndex: ShowHelpContext(0); break;
    default:
        if (C3DView* view = CurrentView())
            view->RunViewCommand(id);
        break;
    }
    UpdateCommandStates();
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    const CTessimApp& app = m_shell.App();
    switch (id) {
    case cmd::kFileOpen:
    case cmd::kOpenFromMap:
    case cmd::kSearchFolder:
    case cmd::kAppExit:
    case cmd::kFolderSettings:
    case cmd::kViewToolbar:
    case cmd::kViewStatusBar:
    case cmd::kFonts:
    case cmd::kPlaceDisplay:
    case cmd::kHelp:
    case cmd::kContextHelp:
    case cmd::kHelpIndex:
        return true;
    case cmd::kPrintSetup:
    case cmd::kMargins:
    case cmd::kDataDrive:
    case cmd::kHeightScale:
    case cmd::kAbout:
        return true;
    case cmd::k2DMethod:
        return m_p2DView != nullptr;
    case cmd::kFileClose:
    case cmd::kMapInfo:
        return ActiveDocument() != nullptr;
    case cmd::kFilePrint:
    case cmd::kPrintPreview:
    case cmd::kCopyPicture:
        return m_p2DView != nullptr;
    case cmd::kCopyBitmap:
        return CurrentView() != nullptr;
    case cmd::kSavePlaces:
        return app.m_pCurrentDoc != nullptr;
    case cmd::kShow2D:
    case cmd::kShowMap:
    case cmd::kShowRender:
        return IsShowCommandEnabled(*ViewKindOfShowCommand(id));
    case cmd::kMoveEast:
    case cmd::kMoveWest:
    case cmd::kMoveNorth:
    case cmd::kMoveSouth:
        return IsMoveCommandEnabled(MoveDirectionOfCommand(id));
    case cmd::kCascade:
    case cmd::kTile:
    case cmd::kArrangeIcons:
        return !m_pMdi->subWindowList().isEmpty();
    default:
        // The commands of a view's own menu are on while its menu shows.
        return CurrentView() && CurrentView()->HasViewCommand(id);
    }
}

bool CMainFrame::IsMoveCommandEnabled(int direction) const
{
    std::vector<ViewExtent> extents;
    for (const C3DView* view : Views()) {
        if (const std::optional<ViewExtent> extent = view->Extent())
            extents.push_back(*extent);
    }
    const CTessimDoc* doc = m_shell.App().m_pCurrentDoc;
    return IsMoveEnabled(direction, extents, doc != nullptr, doc && doc->Grid().IsSingleTileFile());
}

void CMainFrame::OpenFile()
{
    CTessimApp& app = m_shell.App();
    LoadOpenFileChoice(app);
    QStringList filters;
    for (const FileFilter& filter : OpenFileFilters())
        filters << NameFilter(filter);
    QFileDialog dialog(this, ToQString(kOpenDialogTitle), QString::fromStdString(app.m_strInitialDir));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(app.m_nFilterIndex - 1, filters.first()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().first().toStdString();
    StoreOpenFileChoice(app, path, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1);
    m_moveReopen.Clear();
    m_shell.Documents().OpenDocumentFile(path);
}

void CMainFrame::OpenRecentFile(int index)
{
    const std::vector<std::string>& entries = m_shell.App().RecentFiles().Entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return;
    const std::string path = entries[static_cast<std::size_t>(index)];
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        // A file that is gone leaves the list, so it is not offered again.
        m_shell.Messages().ShowMessage(kFileNotFoundMessage);
        m_shell.App().RemoveFromRecentFileList(static_cast<std::size_t>(index));
        BuildMenuBar(m_nMenuId);
        return;
    }
    OpenByPath(path);
}

// A file named by the user outside the open-file dialog: a recent file or a
// dropped one. It is read as a file the user chose, never as the last area.
void CMainFrame::OpenByPath(const std::string& path)
{
    m_shell.App().m_nOpenMode = 0;
    m_shell.Documents().OpenDocumentFile(path);
    BuildMenuBar(m_nMenuId);
    UpdateCommandStates();
}

void CMainFrame::CloseActiveDocument()
{
    if (CTessimDoc* doc = ActiveDocument())
        m_shell.Documents().CloseDocument(*doc);
}

void CMainFrame::SavePlaces()
{
    if (CTessimDoc* doc = m_shell.App().m_pCurrentDoc)
        doc->SaveDocument();
}

void CMainFrame::ShowMapInfo()
{
    if (const CTessimDoc* doc = ActiveDocument())
        CMapInfoDlg(doc->MapInfo(), this).exec();
}

// Copy as bitmap copies the current view; the other commands are the 2-D view's.
void CMainFrame::RunViewCommand(int id)
{
    if (id == cmd::kCopyBitmap) {
        if (C3DView* view = CurrentView())
            view->CopyBitmap();
        return;
    }
    CView2DView* view = m_p2DView;
    if (!view)
        return;
    switch (id) {
    case cmd::kFilePrint: view->Print(*m_pPrinter); break;
    case cmd::kPrintPreview: view->PrintPreview(*m_pPrinter); break;
    case cmd::kCopyPicture: view->CopyPicture(); break;
    default: break;
    }
}

// The height exaggeration; the rendering view builds its mesh anew and the
// views that use it draw again.
void CMainFrame::RunHeightScale()
{
    if (!RunHeightScaleCommand(m_shell.App(), m_shell.Messages(), this) || !m_shell.Documents().HasDocument())
        return;
    if (m_pRenderView)
        m_pRenderView->RebuildPicture();
    RedrawAllViews();
}

// Contour lines or colour bands for the current 2-D view.
void CMainFrame::Choose2DMethod()
{
    if (!m_p2DView)
        return;
    int method = m_p2DView->Viewer().m_nMethod;
    if (!Run2DMethodDialog(method, this))
        return;
    m_p2DView->Viewer().m_nMethod = method;
    m_p2DView->Repaint();
}

// The label fonts or the display levels; every view then draws its labels anew.
void CMainFrame::RunLabelDialog(int id)
{
    ISettingsStore& store = m_shell.App().Settings();
    const bool changed = id == cmd::kFonts ? RunFontDialog(store, this) : RunDisplayDialog(store, this);
    if (changed)
        RedrawAllViews();
}

void CMainFrame::RunFolderSettings()
{
    RunFolderSettingsCommand(m_shell.App(), this, m_shell.FolderChooser());
}

} // namespace qb
