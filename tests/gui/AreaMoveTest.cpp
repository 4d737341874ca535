// Moving an area that the 2-D view, the map view and the rendering view all
// show: past the grid's edge the neighbouring area opens and brings every
// view back, in its frame's place, with the moved range and the camera the
// user had.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "platform/qt/web/QtWebView.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ShellSession.h"
#include "tests/support/TempDir.h"

#include <QMdiArea>
#include <QTest>

#include <map>

namespace qb::test {
namespace {

constexpr int kWaitMs = 30000;

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

} // namespace

class CAreaMoveTest final : public QObject {
    Q_OBJECT
public:
    explicit CAreaMoveTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void PastTheEdgeEveryViewComesBackOnTheNextArea();

private:
    CMainFrame& Frame() { return m_pSession->Frame(); }
    CTessimView* Map() { return qobject_cast<CTessimView*>(Frame().ViewOf(ViewKind::Map)); }
    CViewCGView* Render() { return qobject_cast<CViewCGView*>(Frame().ViewOf(ViewKind::Rendering)); }
    // The three views of the current document, each drawn: the map page loaded, the mesh built.
    bool ThreeViewsReady(const CTessimDoc* doc);
    std::map<ViewKind, QRect> FramePlaces();

    const GuiSample& m_sample;
    CTempDir m_folder;
    std::unique_ptr<CShellSession> m_pSession;
};

// An area of two by two tiles in the south-west of the sample's cell, with
// eight more tiles of the cell east of it.
void CAreaMoveTest::init()
{
    const std::string areaFile = m_folder.File("西端.ARE");
    QString failure;
    QVERIFY2(RunCli({"area", "write", QString::fromStdString(m_folder.Path()), QStringLiteral("西端"),
                     QString::fromStdString(m_sample.database + "/5m/6443-20-00.3dm"), "2", "2", "0", "1"},
                    failure),
             qPrintable(failure));
    ShellOptions options = AreaOptions(m_sample, m_sample.database);
    options.file = areaFile;
    m_pSession = std::make_unique<CShellSession>();
    m_pSession->SeedSettings(m_sample.placeFolder);
    QVERIFY(m_pSession->Start(options));
    QVERIFY(m_pSession->ShowViewAt(QSize(kPictureWidth, kPictureHeight)));
    m_pSession->UseBuiltMapPage();
    m_pSession->Messages().Clear();
}

void CAreaMoveTest::cleanup()
{
    m_pSession.reset();
}

bool CAreaMoveTest::ThreeViewsReady(const CTessimDoc* doc)
{
    return QTest::qWaitFor([&] {
        const CView2DView* view2D = m_pSession->View();
        return view2D && view2D->Document() == doc && Map() && Map()->Document() == doc &&
               Map()->WebView().PageLoaded() && Render() && Render()->Document() == doc && Render()->Mesh();
    }, kWaitMs);
}

std::map<ViewKind, QRect> CAreaMoveTest::FramePlaces()
{
    std::map<ViewKind, QRect> places;
    for (const ViewKind kind : {ViewKind::TwoD, ViewKind::Map, ViewKind::Rendering})
        places[kind] = Frame().FrameOf(Frame().ViewOf(kind))->geometry();
    return places;
}

void CAreaMoveTest::PastTheEdgeEveryViewComesBackOnTheNextArea()
{
    CMainFrame& frame = Frame();
    const CTessimDoc* shown = m_pSession->View()->Document();
    frame.OnCommand(cmd::kShowMap);
    frame.OnCommand(cmd::kShowRender);
    QVERIFY(ThreeViewsReady(shown));
    // A part of the two tiles' width, which one move leaves inside the grid.
    const GridRange part{100, 50, 299, 249};
    m_pSession->View()->Viewer().SetRange(part);
    frame.PassOnRange(part);
    frame.OnCommand(cmd::kTile);
    const std::map<ViewKind, QRect> places = FramePlaces();
    RenderCamera& camera = Render()->Camera();
    camera.distance = 31.0;
    camera.azimuth = 120.0;
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(Render()));

    // Twice a move inside the grid, then one past its east edge, after
    // which tiles 01 and then 02 are the base of the area.
    for (const char* base : {"6443-20-01", "6443-20-02"}) {
        frame.OnCommand(cmd::kMoveEast);
        QCOMPARE(m_pSession->Shell().Documents().Documents().front().get(), shown);
        const GridRange inside = m_pSession->View()->Viewer().GetRange();
        QCOMPARE(Text(Map()->Extent()->range), Text(inside));
        QCOMPARE(Text(Render()->Extent()->range), Text(inside));

        frame.OnCommand(cmd::kMoveEast);
        const std::vector<std::string> said = m_pSession->Messages().Texts();
        QVERIFY2(said.empty(), said.empty() ? "" : said.front().c_str());
        QCOMPARE(m_pSession->Shell().Documents().Documents().size(), std::size_t(1));
        const CTessimDoc* next = m_pSession->Shell().Documents().Documents().front().get();
        QVERIFY(next != shown);
        QVERIFY2(next->PathName().find(base) != std::string::npos, next->PathName().c_str());
        QVERIFY(ThreeViewsReady(next));
        shown = next;

        // Every view shows the moved range: the same stretch of land, now
        // one tile's width further west in the new grid.
        const GridRange moved = m_pSession->View()->Viewer().GetRange();
        const int tileCols = next->Grid().m_nCols / 2;
        QCOMPARE(moved.colFirst, inside.colFirst + (inside.colLast - inside.colFirst + 1) / 2 - tileCols);
        QCOMPARE(Text(Map()->Extent()->range), Text(moved));
        QCOMPARE(Text(Render()->Extent()->range), Text(moved));
        // The frames stay where they were, the rendering view's camera and its activation too.
        QVERIFY(FramePlaces() == places);
        QCOMPARE(frame.ActiveMenuId(), 133);
        QCOMPARE(Render()->Camera().distance, 31.0);
        QCOMPARE(Render()->Camera().azimuth, 120.0);
        QCOMPARE(frame.MdiArea()->subWindowList().size(), 3);
    }
}

int RunAreaMoveTests(const GuiSample& sample, int argc, char** argv)
{
    CAreaMoveTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "AreaMoveTest.moc"
