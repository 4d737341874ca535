// The main window: its actions, menus, toolbar and status bar, and the
// bookkeeping of its child frames.
#include "shell/MainFrame.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/OpenFileCommand.h"
#include "app/TessimDoc.h"
#include "platform/qt/QtText.h"
#include "shell/ChildFrame.h"
#include "shell/ContextHelp.h"
#include "shell/help/HelpWindow.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

namespace qb {
namespace {

constexpr std::string_view kAppTitle = "Quarrenby";
// Where the progress bar sits in the status bar.
constexpr int kProgressLeft = 300;
constexpr int kProgressRight = 600;

QString ToolbarIconPath(int id)
{
    return QStringLiteral(":/icons/toolbar/%1.svg").arg(id);
}

} // namespace

CMainFrame::CMainFrame(CShellApp& shell) : m_shell(shell), m_moveReopen(shell.App(), shell.Documents())
{
    setWindowTitle(ToQString(kAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setAcceptDrops(true);
    m_pMdi = new QMdiArea(this);
    // Without a border of its own the MDI area is the main window's client
    // area less the docked bars, the room the tiling divides.
    m_pMdi->setFrameShape(QFrame::NoFrame);
    m_pMdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdi);
    connect(m_pMdi, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window) { OnChildActivated(qobject_cast<CChildFrame*>(window)); });
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CreateActions();
    m_pContextHelp = new CContextHelpMode(
        [this](QWidget* widget, const QPoint& at) { return HelpContextAt(widget, at); }, &ShowHelpContext, this);
    CreateToolBar();
    CreateStatusBar();
    BuildMenuBar(cmd::kMenuNoDocument);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    resize(1200, 800);
}

CMainFrame::~CMainFrame()
{
    // The views tell this frame when they go; let them go while it still exists.
    for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window))
            frame->Dismiss();
    }
    delete m_pMdi;
    m_pMdi = nullptr;
}

// One action per command, shared by every menu and the toolbar; shortcuts
// work whichever menu is shown.
void CMainFrame::AddCommandAction(int id, const QString& text)
{
    if (id == 0 || id == cmd::kRecentFile || m_actions.count(id))
        return;
    auto* action = new QAction(text, this);
    const CommandPrompt prompt = PromptOf(id);
    action->setStatusTip(ToQString(prompt.status));
    action->setToolTip(ToQString(prompt.tooltip));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    addAction(action);
}

void CMainFrame::CreateActions()
{
    for (const int menuId : {cmd::kMenuNoDocument, cmd::kMenu2D, cmd::kMenuMap, cmd::kMenuRender}) {
        for (const TopLevelMenu& top : BuildMenu(menuId)) {
            for (const MenuCommand& item : top.items)
                AddCommandAction(item.id, ToQString(item.text));
        }
    }
    // Commands of the toolbar and the keyboard only: context help and help.
    AddCommandAction(cmd::kContextHelp, ToQString(PromptOf(cmd::kContextHelp).tooltip));
    AddCommandAction(cmd::kHelp, QStringLiteral("ヘルプ"));
    // F1 also answers while a menu is open, for its highlighted item.
    Action(cmd::kHelp)->setShortcutContext(Qt::ApplicationShortcut);
    for (const Accelerator& key : Accelerators()) {
        if (QAction* action = Action(key.id)) {
            QList<QKeySequence> keys = action->shortcuts();
            keys.append(QKeySequence(ToQString(key.keys)));
            action->setShortcuts(keys);
        }
    }
    const int checkable[] = {cmd::kViewToolbar, cmd::kViewStatusBar, cmd::kRotateRight, cmd::kRotateLeft,
                             cmd::kShowNames};
    for (const int id : checkable) {
        if (QAction* action = Action(id))
            action->setCheckable(true);
    }
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setIconSize(QSize(22, 22));
    for (const int id : ToolbarButtons()) {
        if (id == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        if (QAction* action = Action(id)) {
            action->setIcon(QIcon(ToolbarIconPath(id)));
            m_pToolBar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusBar()
{
    m_pStatusText = new QLabel(ToQString(IdlePrompt()), this);
    statusBar()->addWidget(m_pStatusText, 1);
    // The keyboard's lock states cannot be read portably: the indicators
    // stay greyed, as they are while their key is off.
    for (const char* indicator : {"ｶﾅ", "CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromUtf8(indicator), this);
        pane->setEnabled(false);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::BuildMenuBar(int menuId)
{
    m_nMenuId = menuId;
    menuBar()->clear();
    for (const TopLevelMenu& top : BuildMenu(menuId)) {
        QMenu* menu = menuBar()->addMenu(ToQString(top.text));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        for (const MenuCommand& item : top.items) {
            if (item.id == 0)
                menu->addSeparator();
            else if (item.id == cmd::kRecentFile)
                AddRecentFiles(menu);
            else if (QAction* action = Action(item.id)) {
                // A command may read differently in another view's menu.
                action->setText(ToQString(item.text));
                menu->addAction(action);
            }
        }
        if (Action(cmd::kTile) && menu->actions().contains(Action(cmd::kTile)))
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { AddWindowList(menu); });
    }
}

// The window menu ends with the open frames, the active one checked; each
// item brings its frame to the front.
void CMainFrame::AddWindowList(QMenu* menu)
{
    qDeleteAll(m_windowActions);
    m_windowActions.clear();
    const QList<QMdiSubWindow*> frames = m_pMdi->subWindowList();
    if (frames.isEmpty())
        return;
    // The items belong to the main window, which deletes them when the list is made anew.
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    menu->addAction(separator);
    m_windowActions.push_back(separator);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        QMdiSubWindow* frame = frames[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(frame->windowTitle()), this);
        menu->addAction(action);
        action->setCheckable(true);
        action->setChecked(frame == m_pMdi->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_pMdi->setActiveSubWindow(frame);
        });
        m_windowActions.push_back(action);
    }
}

void CMainFrame::AddRecentFiles(QMenu* menu)
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const CRecentFileList& files = m_shell.App().RecentFiles();
    if (files.Entries().empty()) {
        QAction* none = menu->addAction(QStringLiteral("最新のﾌｧｲﾙ"));
        none->setEnabled(false);
        m_recentActions.push_back(none);
        return;
    }
    for (std::size_t i = 0; i < files.Entries().size(); ++i) {
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(ToQString(files.DisplayName(i)));
        QAction* action = menu->addAction(text);
        action->setStatusTip(QStringLiteral("このファイルを開く"));
        connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(static_cast<int>(i)); });
        m_recentActions.push_back(action);
    }
}

QAction* CMainFrame::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommandStates()
{
    for (const auto& [id, action] : m_actions) {
        action->setEnabled(IsCommandEnabled(id));
        if (action->isCheckable())
            action->setChecked(IsCommandChecked(id));
    }
}

bool CMainFrame::IsCommandChecked(int id) const
{
    if (id == cmd::kViewToolbar)
        return m_pToolBar->isVisible();
    if (id == cmd::kViewStatusBar)
        return statusBar()->isVisible();
    const C3DView* view = CurrentView();
    return view && view->IsViewCommandChecked(id);
}

void CMainFrame::SetStatusText(std::string_view text)
{
    statusBar()->clearMessage();
    m_pStatusText->setText(ToQString(text));
}

void CMainFrame::BeginProgress()
{
    if (m_pProgress)
        EndProgress(m_nProgressLast);
    m_pProgress = new QProgressBar(statusBar());
    m_pProgress->setObjectName(QStringLiteral("statusProgress"));
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    m_pProgress->setTextVisible(false);
    m_pProgress->setGeometry(kProgressLeft, 0, kProgressRight - kProgressLeft, statusBar()->height());
    m_pProgress->show();
    m_pProgress->raise();
}

void CMainFrame::UpdateProgress(int percent)
{
    SetStatusText(StatusProgressText(percent));
    if (m_pProgress)
        m_pProgress->setValue(percent);
}

void CMainFrame::EndProgress(int value)
{
    delete m_pProgress;
    m_pProgress = nullptr;
    m_nProgressLast = value;
    SetStatusText(IdlePrompt());
}

bool CMainFrame::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        PassOnToRenderView(FrameMessage::Activated);
    return handled;
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    PassOnToRenderView(FrameMessage::Moved);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        PassOnToRenderView(FrameMessage::PaletteChanged);
}

void CMainFrame::PassOnToRenderView(FrameMessage message)
{
    if (m_pRenderView)
        m_pRenderView->OnFrameMessage(message);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_shell.Documents().CloseAllDocuments()) {
        event->ignore();
        return;
    }
    event->accept();
}

// Files dropped on the window open as the open-file command opens them.
void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    activateWindow();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            OpenByPath(url.toLocalFile().toStdString());
    }
}

} // namespace qb
