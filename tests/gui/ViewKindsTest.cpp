// The three view kinds in the main window: the show commands, the view of
// each kind and its menu, closing one view of several, tiling and moving.
// The map view and the rendering view are test views plugged into their
// templates as their view classes will be.
#include "app/CommandIds.h"
#include "app/HelpTopics.h"
#include "app/TessimDoc.h"
#include "app/ViewTiling.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/help/HelpPages.h"
#include "shell/help/HelpWindow.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/KindTestView.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <algorithm>

namespace qb::test {
namespace {

const GridRange kZoomed{100, 200, 899, 799};
const GridRange kMapRange{40, 50, 1040, 700};
const ViewAngles kMapAngles{45.0, 20.0};

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

QRect Rect(const FrameRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

class CViewKindsTest final : public QObject {
    Q_OBJECT
public:
    explicit CViewKindsTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void WithoutAViewClassTheMapCommandStaysOff();
    void APluggedInViewShowsItsKindWithTheRangeOfAnother();
    void ClosingOneOfSeveralViewsKeepsTheDocument();
    void TilingLaysOutThreeViewsAndFallsBackWithOneMinimised();
    void MovingMovesEveryViewInTurn();
    void AZoomGoesToTheMapViewElseToTheRenderingView();

private:
    // Plugs in the test views and brings up the map view, then the rendering view.
    bool ShowAllKinds();
    CMainFrame& Frame() { return m_pSession->Frame(); }
    CKindTestView* TestView(ViewKind kind) { return dynamic_cast<CKindTestView*>(Frame().ViewOf(kind)); }

    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

void CViewKindsTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
}

void CViewKindsTest::cleanup()
{
    m_pSession.reset();
}

bool CViewKindsTest::ShowAllKinds()
{
    PlugInKindTestViews(m_pSession->Shell());
    Frame().OnCommand(cmd::kShowMap);
    CKindTestView* map = TestView(ViewKind::Map);
    if (!map)
        return false;
    map->range = kMapRange;
    map->angles = kMapAngles;
    Frame().OnCommand(cmd::kShowRender);
    return TestView(ViewKind::Rendering) != nullptr;
}

void CViewKindsTest::WithoutAViewClassTheMapCommandStaysOff()
{
    CMainFrame& frame = Frame();
    m_pSession->Shell().Templates().Of(ViewKind::Map).SetViewFactory({});
    QVERIFY(!m_pSession->Shell().Templates().Of(ViewKind::Map).CanCreateView());
    QVERIFY(m_pSession->Shell().Templates().Of(ViewKind::Rendering).CanCreateView());
    QVERIFY(frame.IsCommandEnabled(cmd::kShowRender));
    for (const int id : {cmd::kShow2D, cmd::kShowMap})
        QVERIFY2(!frame.IsCommandEnabled(id), qPrintable(QString::number(id)));
    frame.OnCommand(cmd::kShowMap);
    QCOMPARE(frame.MdiArea()->subWindowList().size(), 1);
    QVERIFY(!frame.ViewOf(ViewKind::Map) && !frame.ViewOf(ViewKind::Rendering));
    QCOMPARE(frame.ViewOf(ViewKind::TwoD), m_pSession->View());
    QCOMPARE(frame.ActiveMenuId(), 131);
}

void CViewKindsTest::APluggedInViewShowsItsKindWithTheRangeOfAnother()
{
    CMainFrame& frame = Frame();
    CView2DView* view2D = m_pSession->View();
    view2D->Viewer().SetRange(kZoomed);
    PlugInKindTestViews(m_pSession->Shell());
    QVERIFY(frame.IsCommandEnabled(cmd::kShowMap));
    QVERIFY(frame.IsCommandEnabled(cmd::kShowRender));

    // The map view takes no range; its frame carries its kind's menu, caption, icon and help.
    frame.OnCommand(cmd::kShowMap);
    CKindTestView* map = TestView(ViewKind::Map);
    QVERIFY(map);
    QCOMPARE(map->Document(), view2D->Document());
    QCOMPARE(map->initialUpdates, 1);
    QCOMPARE(map->activations, 1);
    QVERIFY(map->handedOver.empty());
    QCOMPARE(frame.ActiveMenuId(), 129);
    QVERIFY(!frame.IsCommandEnabled(cmd::kShowMap));
    QCOMPARE(frame.FrameOf(map)->windowTitle(), QStringLiteral("地図ビュー"));
    QVERIFY(!frame.FrameOf(map)->windowIcon().isNull());
    frame.OnCommand(cmd::kHelp);
    QCOMPARE(HelpWindow().CurrentPage(), HelpPageUrl(44));
    HelpWindow().close();

    // The rendering view takes the map view's range and angles.
    map->range = kMapRange;
    map->angles = kMapAngles;
    frame.OnCommand(cmd::kShowRender);
    CKindTestView* render = TestView(ViewKind::Rendering);
    QVERIFY(render);
    QCOMPARE(render->handedOver.size(), std::size_t(1));
    QCOMPARE(Text(render->handedOver[0].range), Text(kMapRange));
    QVERIFY(render->handedOver[0].angles == kMapAngles);
    QCOMPARE(frame.ActiveMenuId(), 133);
    QCOMPARE(frame.View2D(), view2D);

    // Each activation makes the frame's view the current one of its kind,
    // with its menu; the copy goes to that view.
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(view2D));
    QCOMPARE(frame.ActiveMenuId(), 131);
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(map));
    QCOMPARE(frame.ActiveMenuId(), 129);
    QCOMPARE(map->activations, 2);
    frame.OnCommand(cmd::kCopyBitmap);
    QCOMPARE(map->copies, 1);
    QCOMPARE(render->copies, 0);

    // The window menu lists the three frames, the active one checked, and brings one to the front.
    QMenu* windows = nullptr;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() == QStringLiteral("ｳｨﾝﾄﾞｳ(&W)"))
            windows = top->menu();
    }
    QVERIFY(windows);
    emit windows->aboutToShow();
    QStringList titles;
    QAction* renderItem = nullptr;
    for (QAction* item : windows->actions()) {
        if (item->isCheckable()) {
            titles << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
            if (item->text().contains(frame.FrameOf(render)->windowTitle()))
                renderItem = item;
        }
    }
    QCOMPARE(titles, QStringList({QStringLiteral("&1 ") + frame.FrameOf(view2D)->windowTitle(),
                                  QStringLiteral("&2 地図ビュー *"),
                                  QStringLiteral("&3 ") + frame.FrameOf(render)->windowTitle()}));
    QVERIFY(renderItem);
    renderItem->trigger();
    QCOMPARE(frame.ActiveMenuId(), 133);
    emit windows->aboutToShow();
    QCOMPARE(windows->actions().size(), 3 + 1 + 3);
}

void CViewKindsTest::ClosingOneOfSeveralViewsKeepsTheDocument()
{
    CMainFrame& frame = Frame();
    QVERIFY(ShowAllKinds());
    CKindTestView* render = TestView(ViewKind::Rendering);
    render->range = kZoomed;
    QPointer<CView2DView> view2D = m_pSession->View();
    CTessimDoc* doc = view2D->Document();
    doc->Places().SetModified(true);
    m_pSession->Messages().Clear();

    frame.FrameOf(view2D)->close();
    QTRY_VERIFY(view2D.isNull());
    QVERIFY(m_pSession->Messages().Messages().empty());
    QVERIFY(!frame.View2D());
    QCOMPARE(m_pSession->Shell().Documents().Documents().size(), std::size_t(1));
    QCOMPARE(frame.MdiArea()->subWindowList().size(), 2);
    QVERIFY(frame.IsCommandEnabled(cmd::kShow2D));

    // Brought up again, the 2-D view shows the rendering view's range.
    frame.OnCommand(cmd::kShow2D);
    QVERIFY(frame.View2D());
    QCOMPARE(frame.View2D()->Document(), doc);
    QCOMPARE(Text(frame.View2D()->Viewer().GetRange()), Text(kZoomed));
    QCOMPARE(frame.ActiveMenuId(), 131);

    // The last view of the document asks before the document goes.
    QPointer<CKindTestView> map = TestView(ViewKind::Map);
    frame.FrameOf(frame.View2D())->close();
    frame.FrameOf(render)->close();
    QTRY_VERIFY(!frame.ViewOf(ViewKind::Rendering) && !frame.View2D());
    QCOMPARE(frame.MdiArea()->subWindowList().size(), 1);
    QVERIFY(m_pSession->Messages().Messages().empty());
    m_pSession->Messages().QueueAnswer(MessageResult::Cancel);
    frame.FrameOf(map)->close();
    QTRY_COMPARE(m_pSession->Messages().Messages().size(), std::size_t(1));
    QVERIFY(!map.isNull());
    QCOMPARE(frame.ViewOf(ViewKind::Map), map.data());
    m_pSession->Messages().QueueAnswer(MessageResult::No);
    frame.FrameOf(map)->close();
    QTRY_VERIFY(map.isNull());
    QVERIFY(!m_pSession->Shell().Documents().HasDocument());
    QCOMPARE(frame.ActiveMenuId(), 128);
}

void CViewKindsTest::TilingLaysOutThreeViewsAndFallsBackWithOneMinimised()
{
    CMainFrame& frame = Frame();
    QVERIFY(ShowAllKinds());
    QWidget* render = frame.FrameOf(frame.ViewOf(ViewKind::Rendering));
    QWidget* view2D = frame.FrameOf(frame.ViewOf(ViewKind::TwoD));
    QWidget* map = frame.FrameOf(frame.ViewOf(ViewKind::Map));
    auto* toolBar = frame.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(toolBar);

    // Without bars the client area below the menu bar is divided as it is.
    toolBar->hide();
    frame.statusBar()->hide();
    frame.showNormal();
    frame.resize(1200, 800 + frame.menuBar()->height());
    QTRY_COMPARE(frame.MdiArea()->viewport()->size(), QSize(1200, 800));
    frame.OnCommand(cmd::kTile);
    QCOMPARE(render->geometry(), QRect(0, 0, 800, 800));
    QCOMPARE(view2D->geometry(), QRect(800, 0, 400, 400));
    QCOMPARE(map->geometry(), QRect(800, 400, 400, 400));

    // The docked toolbar and status bar take their room and a little more,
    // never more room than the MDI area has.
    frame.resize(1200, 900);
    toolBar->show();
    frame.statusBar()->show();
    QTRY_VERIFY(frame.MdiArea()->height() < 900 - frame.menuBar()->height() - toolBar->height());
    frame.OnCommand(cmd::kTile);
    const int height = 900 - frame.menuBar()->height() - frame.statusBar()->height() - 4 - toolBar->height() - 3;
    const ThreeViewLayout layout = TileThreeViews(1200, std::min(height, frame.MdiArea()->height()));
    QCOMPARE(render->geometry(), Rect(layout.render));
    QCOMPARE(view2D->geometry(), Rect(layout.view2D));
    QCOMPARE(map->geometry(), Rect(layout.map));

    // The window system's tiling of the two frames left, side by side in a wide window.
    const QSize client = frame.MdiArea()->viewport()->size();
    QVERIFY(client.width() > client.height());
    map->showMinimized();
    frame.OnCommand(cmd::kTile);
    const int half = client.width() / 2;
    QCOMPARE(view2D->geometry(), QRect(0, 0, half, client.height()));
    QCOMPARE(render->geometry(), QRect(half, 0, half, client.height()));
}

void CViewKindsTest::MovingMovesEveryViewInTurn()
{
    CMainFrame& frame = Frame();
    CView2DView* view2D = m_pSession->View();
    view2D->Viewer().SetRange(kZoomed);
    QVERIFY(ShowAllKinds());
    CKindTestView* map = TestView(ViewKind::Map);
    CKindTestView* render = TestView(ViewKind::Rendering);
    const std::size_t mapHandOvers = map->handedOver.size();
    frame.OnCommand(cmd::kMoveEast);
    const int half = (kZoomed.colLast - kZoomed.colFirst + 1) / 2;
    const GridRange moved{kZoomed.colFirst + half, kZoomed.rowFirst, kZoomed.colLast + half, kZoomed.rowLast};
    QCOMPARE(Text(view2D->Viewer().GetRange()), Text(moved));
    QCOMPARE(map->moves, std::vector<int>{kMoveEast});
    QCOMPARE(render->moves, std::vector<int>{kMoveEast});
    // The map view follows the 2-D view.
    QCOMPARE(map->handedOver.size(), mapHandOvers + 1);
    QCOMPARE(Text(map->handedOver.back().range), Text(moved));
    QVERIFY(!map->handedOver.back().angles);
    QVERIFY(map->repaints > 0 && render->repaints > 0);
}

void CViewKindsTest::AZoomGoesToTheMapViewElseToTheRenderingView()
{
    CMainFrame& frame = Frame();
    CView2DView& view2D = *m_pSession->View();
    QVERIFY(ShowAllKinds());
    QPointer<CKindTestView> map = TestView(ViewKind::Map);
    CKindTestView* render = TestView(ViewKind::Rendering);
    const std::size_t renderHandOvers = render->handedOver.size();
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(&view2D));
    QVERIFY(m_pSession->ShowViewAt(QSize(kPictureWidth, kPictureHeight)));
    QCOMPARE(view2D.PlacedLabels(), view2D.Viewer().LabelsDrawn());
    QVERIFY(view2D.PlacedLabels() > 0);
    QCOMPARE(DragAndChoose(view2D, QPoint(100, 100), QPoint(300, 300), kZoomText).size(), 3);
    QVERIFY(view2D.MenuPoint() == (DrawPoint{300, 300}));
    QVERIFY(map->handedOver.size() >= 1);
    QCOMPARE(Text(map->handedOver.back().range), Text(view2D.Viewer().GetRange()));
    QCOMPARE(render->handedOver.size(), renderHandOvers);

    // Without a map view the step back goes to the rendering view.
    frame.FrameOf(map)->close();
    QTRY_VERIFY(map.isNull());
    QCOMPARE(DragAndChoose(view2D, QPoint(200, 200), QPoint(200, 200), kStepBackText).size(), 3);
    QCOMPARE(render->handedOver.size(), renderHandOvers + 1);
    QCOMPARE(Text(render->handedOver.back().range), Text(view2D.Viewer().GetRange()));
}

int RunViewKindsTests(const GuiSample& sample, int argc, char** argv)
{
    CViewKindsTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "ViewKindsTest.moc"
