#include "tests/gui/ShellSession.h"

#include "shell/MainFrame.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "terrain/AreaAssembly.h"
#include "tests/gui/GuiSample.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace qb::test {
namespace {

constexpr int kSettleMs = 1000;

} // namespace

CShellSession::CShellSession()
{
    m_system.currentFolder = m_folder.Path();
    m_system.documentsFolder = m_folder.File("documents");
    m_pShell = std::make_unique<CShellApp>(m_store, m_system, &m_messages);
}

CShellSession::~CShellSession()
{
    m_pShell.reset();
}

void CShellSession::SeedSettings(const std::string& placeFolder)
{
    m_store.WriteSettingString("FileInit", "PrgDir", m_folder.Path());
    m_store.WriteSettingString("FileInit", "PlnDir", placeFolder);
    m_store.WriteSettingString("FileInit", "AreDir", m_folder.File("area"));
    m_store.WriteSettingInt("Param", "DataBaseFolderFlg", 1);
}

bool CShellSession::Start(const ShellOptions& options)
{
    return m_pShell->Start(options);
}

bool CShellSession::StartWithArea(const GuiSample& sample, const std::string& database)
{
    SeedSettings(sample.placeFolder);
    return Start(AreaOptions(sample, database)) && ShowViewAt(QSize(kPictureWidth, kPictureHeight));
}

void CShellSession::UseBuiltMapPage()
{
    m_pShell->Templates().Of(ViewKind::Map).SetViewFactory([](CShellApp& shell, CTessimDoc& doc) {
        return new CTessimView(shell, doc, QB_WEB_DIR "/map.html");
    });
    m_store.WriteSettingString("GlobeObj", "LayerName", "Offline");
}

bool CShellSession::Restart(const ShellOptions& options)
{
    m_pShell->Shutdown();
    m_pShell.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pShell = std::make_unique<CShellApp>(m_store, m_system, &m_messages);
    return Start(options);
}

CMainFrame& CShellSession::Frame()
{
    return *m_pShell->MainFrame();
}

CView2DView* CShellSession::View()
{
    return m_pShell->MainFrame() ? m_pShell->MainFrame()->View2D() : nullptr;
}

bool CShellSession::ShowViewAt(QSize size)
{
    CView2DView* view = View();
    auto* frame = view ? qobject_cast<QMdiSubWindow*>(view->parentWidget()) : nullptr;
    if (!frame || !QTest::qWaitForWindowExposed(&Frame()))
        return false;
    frame->showNormal();
    frame->move(0, 0);
    // The frame's border and title bar are the style's: take them from what it has now.
    for (int attempt = 0; attempt < 3; ++attempt) {
        frame->resize(frame->size() + (size - view->size()));
        if (QTest::qWaitFor([&] { return view->size() == size; }, kSettleMs))
            return PaintView();
    }
    return false;
}

bool CShellSession::PaintView()
{
    CView2DView* view = View();
    if (!view || !QTest::qWaitForWindowExposed(&Frame()))
        return false;
    view->Repaint();
    view->repaint();
    return view->Picture().size() == view->size();
}

bool CShellSession::DropFile(const std::string& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    const QPoint at = Frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&Frame(), &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(&Frame(), &drop);
    return drop.isAccepted();
}

ShellOptions AreaOptions(const GuiSample& sample, const std::string& database)
{
    ShellOptions options;
    options.file = sample.areaFile;
    options.database = database;
    options.meshSetting = kMesh5m;
    return options;
}

} // namespace qb::test
