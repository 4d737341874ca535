// The whole path of a new user: the agency's download found in a folder and
// converted into an empty database, a box chosen on the map, the area in the
// 2-D view, then the map view and the rendering view beside it, tiled, a zoom
// in the 2-D view that reaches the other two, and moves east inside the grid
// and past its edge.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "app/ViewTiling.h"
#include "platform/qt/web/QtWebView.h"
#include "render3d/TerrainMesh.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"
#include "shell/settings/MapOpenDlg.h"
#include "shell/settings/MapSelectDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/MapPage.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"
#include "webmap/MapRange.h"
#include "webmap/WebMapHost.h"

#include <QFileDialog>
#include <QMdiArea>
#include <QPointer>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <optional>

namespace qb::test {
namespace {

// A 5 m tile's points; the area is ten tiles across and ten down.
constexpr int kTileCols = 225;
constexpr int kTileRows = 150;
constexpr int kAreaCols = 10 * kTileCols;
constexpr int kAreaRows = 10 * kTileRows;
// A fineness that resamples the whole area, so that its mesh builds quickly.
constexpr int kResolution = 1048576;
// The sample's tiles of 5 m.
constexpr int kSampleTiles = 67;

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

QRect Rect(const FrameRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

int TileFiles(const std::string& folder)
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        count += entry.path().extension() == ".3dm";
    return count;
}

// The samples the rendering view takes along one side of a range: first,
// first + step, ... while not past last.
int Samples(int first, int last, double step)
{
    return static_cast<int>(std::floor((last - first) / step + 1e-9)) + 1;
}

// The point at fractions (fx, fy) of the 2-D view's drawing of its range.
QPoint PointOfDrawing(const CView2DView& view, double fx, double fy)
{
    const DrawRect draw = view.Viewer().DrawingRect();
    const DrawPoint corner = view.Viewer().FarCorner();
    return QPoint(draw.left + static_cast<int>((corner.x - draw.left) * fx),
                  draw.top + static_cast<int>((corner.y - draw.top) * fy));
}

} // namespace

class CThreeViewsPathTest final : public QObject {
    Q_OBJECT
public:
    explicit CThreeViewsPathTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void cleanupTestCase() { m_pSession.reset(); }
    void FromTheDownloadFolderToThreeViewsTiledZoomedAndMoved();
    void AMovePastTheEastEdgeReopensTheAreaWithEveryView();

private:
    // Search from folder on the download folder, the map kind, a box dragged
    // on the dialog's map, OK: the area opens in a 2-D view.
    void SearchFolderAndChooseBox();
    // The map view and the rendering view brought up by their commands.
    void ShowMapAndRenderingViews();
    // Both of those; false when a check failed on the way.
    bool ReachThreeViews();
    // Every view of the current document shows `range`: the 2-D view, the
    // map view's record, the application's blue box and the page's, the
    // rendering view's range and a mesh built over it (other than `before`).
    void CheckAllViewsShow(const GridRange& range, const TerrainMesh* before);

    CMainFrame& Frame() { return m_pSession->Frame(); }
    // The first message box shown, for a failure's text.
    std::string FirstMessage()
    {
        const std::vector<std::string> texts = m_pSession->Messages().Texts();
        return texts.empty() ? std::string() : texts.front();
    }
    CView2DView* View2D() { return m_pSession->View(); }
    CTessimView* Map() { return qobject_cast<CTessimView*>(Frame().ViewOf(ViewKind::Map)); }
    CViewCGView* Render() { return qobject_cast<CViewCGView*>(Frame().ViewOf(ViewKind::Rendering)); }
    GeoBox AreaBox() const { return FlipLongitudes(m_pSession->Shell().App().m_areaBox); }
    GeoBox ViewBox() const { return FlipLongitudes(m_pSession->Shell().App().m_viewBox); }

    const GuiSample& m_sample;
    // The session goes before its folders.
    std::unique_ptr<CTempDir> m_pDownloads;
    std::unique_ptr<CTempDir> m_pDatabase;
    std::unique_ptr<CShellSession> m_pSession;
};

void CThreeViewsPathTest::SearchFolderAndChooseBox()
{
    m_pSession.reset();
    m_pDownloads = std::make_unique<CTempDir>();
    m_pDatabase = std::make_unique<CTempDir>();
    std::filesystem::copy_file(SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip"),
                               m_pDownloads->File("FG-GML-6443-20-DEM5A.zip"));
    m_pSession = std::make_unique<CShellSession>();
    m_pSession->SeedSettings(m_sample.placeFolder);
    m_pSession->Store().WriteSettingInt("Res", "Resolution", kResolution);
    ShellOptions options;
    options.database = m_pDatabase->Path();
    QVERIFY(m_pSession->Start(options));
    m_pSession->UseBuiltMapPage();
    m_pSession->Messages().Clear();
    CTessimApp& app = m_pSession->Shell().App();
    QVERIFY(Frame().IsCommandEnabled(cmd::kSearchFolder));

    // Each dialog's driver waits only once the one before it has been answered.
    std::optional<CModalDriver<CMapSelectDlg>> kind;
    std::optional<CModalDriver<CMapOpenDlg>> map;
    int outlines = 0;
    std::optional<GeoBox> chosen;
    const auto onMap = [&](CMapOpenDlg& dialog) {
        CQtWebView& web = dialog.WebView();
        outlines = PageLines(web, QStringLiteral("red")).first;
        // Just inside the cell: the box snaps out to its lines.
        ShiftDrag(web, PixelOf(web, kSampleCell.north - 0.01, kSampleCell.west + 0.006),
                  PixelOf(web, kSampleCell.south + 0.007, kSampleCell.east - 0.004));
        if (QTest::qWaitFor([&] { return Evaluate(web, "window.quarrenbyMap.selection !== null").toBool(); }, 5000))
            chosen = app.m_areaBox;
        dialog.accept();
        // A dialog that refused OK would wait for the user.
        if (dialog.isVisible())
            dialog.reject();
    };
    const auto onKind = [&](CMapSelectDlg& dialog) {
        map.emplace(onMap, [](CMapOpenDlg& d) {
            return d.WebView().PageLoaded() && PageLines(d.WebView(), QStringLiteral("red")).first > 0;
        });
        dialog.accept();
    };
    CModalDriver<QFileDialog> chooser([&](QFileDialog& dialog) {
        kind.emplace(onKind);
        dialog.setDirectory(QString::fromStdString(m_pDownloads->Path()));
        // Its choose button, as the user presses it.
        QMetaObject::invokeMethod(&dialog, "accept");
        if (dialog.isVisible())
            dialog.reject();
    });
    Frame().OnCommand(cmd::kSearchFolder);
    QVERIFY(chooser.Acted());
    QVERIFY(kind && kind->Acted());
    QVERIFY(map && map->Acted());

    // The folder is kept; its zip was converted, read without unpacking, into the database.
    QCOMPARE(app.m_strDataFolder, m_pDownloads->Path());
    QCOMPARE(TileFiles(m_pDatabase->File("5m")), kSampleTiles);
    QVERIFY(!std::filesystem::exists(m_pDownloads->File("FG-GML-6443-20-DEM5A")));
    QCOMPARE(app.m_nMapKind, 2);
    // The map opened over the converted cell: outlined, and the box dragged there snapped to its lines.
    QCOMPARE(outlines, 4);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->south, kSampleCell.south);
    QCOMPARE(chosen->north, kSampleCell.north);
    QCOMPARE(chosen->west, -kSampleCell.west);
    QCOMPARE(chosen->east, -kSampleCell.east);
    QCOMPARE(app.m_area.base.Across(), 10);
    QCOMPARE(app.m_area.base.Down(), 10);

    CView2DView* view = View2D();
    QVERIFY(view);
    const CTessimDoc* doc = view->Document();
    QVERIFY(doc);
    QCOMPARE(doc->Grid().m_nCols, kAreaCols);
    QCOMPARE(doc->Grid().m_nRows, kAreaRows);
    QVERIFY(doc->PathName().ends_with("/5m/6443-20-00.3dm"));
    QCOMPARE(Text(view->Viewer().GetRange()), Text(GridRange{0, 0, kAreaCols - 1, kAreaRows - 1}));
    QVERIFY(m_pSession->PaintView());
    QVERIFY2(m_pSession->Messages().Texts().empty(), FirstMessage().c_str());
}

void CThreeViewsPathTest::CheckAllViewsShow(const GridRange& range, const TerrainMesh* before)
{
    CView2DView* view2D = View2D();
    CTessimView* map = Map();
    CViewCGView* render = Render();
    QVERIFY(view2D);
    QVERIFY2(map, "no map view");
    QVERIFY2(render, "no rendering view");
    QCOMPARE(map->Document(), view2D->Document());
    QCOMPARE(render->Document(), view2D->Document());
    QCOMPARE(Text(view2D->Viewer().GetRange()), Text(range));
    QCOMPARE(Text(map->Extent()->range), Text(range));
    const GridSize grid{view2D->Extent()->cols, view2D->Extent()->rows};
    const GeoBox blue = BoxOfGridRange(AreaBox(), range, grid);
    QVERIFY(NearBox(ViewBox(), blue));
    QVERIFY(WaitForPageBox(map->WebView(), QStringLiteral("blue"), blue));
    QTRY_COMPARE(Text(render->Extent()->range), Text(range));
    const TerrainMesh* mesh = render->Mesh();
    QVERIFY2(mesh, "no mesh built");
    QVERIFY(mesh != before);
    QCOMPARE(mesh->columns, Samples(range.colFirst, range.colLast, render->Step()));
    QCOMPARE(mesh->rows, Samples(range.rowFirst, range.rowLast, render->Step()));
}

void CThreeViewsPathTest::ShowMapAndRenderingViews()
{
    CView2DView* view2D = View2D();
    QVERIFY(view2D);
    const GridRange range = view2D->Viewer().GetRange();
    QVERIFY(Frame().IsCommandEnabled(cmd::kShowMap));
    Frame().OnCommand(cmd::kShowMap);
    CTessimView* map = Map();
    QVERIFY(map);
    QVERIFY(!Frame().IsCommandEnabled(cmd::kShowMap));
    QVERIFY(QTest::qWaitFor([map] { return map->WebView().PageLoaded(); }, kPageMs));
    // The red box is the area opened, the box chosen on the dialog's map.
    QVERIFY(WaitForPageBox(map->WebView(), QStringLiteral("red"), kSampleCell));

    QVERIFY(Frame().IsCommandEnabled(cmd::kShowRender));
    Frame().OnCommand(cmd::kShowRender);
    CViewCGView* render = Render();
    QVERIFY(render);
    QVERIFY(!Frame().IsCommandEnabled(cmd::kShowRender));
    QVERIFY(QTest::qWaitForWindowExposed(render));
    CheckAllViewsShow(range, nullptr);
    QCOMPARE(Frame().MdiArea()->subWindowList().size(), 3);
}

bool CThreeViewsPathTest::ReachThreeViews()
{
    SearchFolderAndChooseBox();
    if (!QTest::currentTestFailed())
        ShowMapAndRenderingViews();
    return !QTest::currentTestFailed();
}

void CThreeViewsPathTest::FromTheDownloadFolderToThreeViewsTiledZoomedAndMoved()
{
    if (!ReachThreeViews())
        return;
    CMainFrame& frame = Frame();
    CView2DView& view2D = *View2D();
    const CTessimDoc* doc = view2D.Document();

    // Tiled: the rendering view takes two thirds of the longer side, the
    // docked toolbar and status bar a few pixels more than their height.
    const QSize area = frame.MdiArea()->size();
    frame.OnCommand(cmd::kTile);
    const int height = frame.FrameOf(Render())->geometry().height();
    QVERIFY2(height <= area.height() && height >= area.height() - 7, qPrintable(QString::number(height)));
    const ThreeViewLayout layout = TileThreeViews(area.width(), height);
    QCOMPARE(frame.FrameOf(Render())->geometry(), Rect(layout.render));
    QCOMPARE(frame.FrameOf(&view2D)->geometry(), Rect(layout.view2D));
    QCOMPARE(frame.FrameOf(Map())->geometry(), Rect(layout.map));

    // A rectangle dragged in the 2-D view and zoomed: the map's blue box and
    // the rendering view follow.
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(&view2D));
    QVERIFY(m_pSession->PaintView());
    const GridRange whole = view2D.Viewer().GetRange();
    const TerrainMesh* before = Render()->Mesh();
    QCOMPARE(DragAndChoose(view2D, PointOfDrawing(view2D, 0.15, 0.3), PointOfDrawing(view2D, 0.55, 0.45), kZoomText)
                 .size(),
             3);
    const GridRange zoomed = view2D.Viewer().GetRange();
    QVERIFY2(zoomed.colFirst > whole.colFirst && zoomed.colLast < whole.colLast && zoomed.rowFirst > whole.rowFirst &&
                 zoomed.rowLast < whole.rowLast,
             qPrintable(Text(zoomed)));
    CheckAllViewsShow(zoomed, before);
    if (QTest::currentTestFailed())
        return;

    // A move east inside the grid: every view shows the moved range, the same document.
    before = Render()->Mesh();
    frame.OnCommand(cmd::kMoveEast);
    const int half = (zoomed.colLast - zoomed.colFirst + 1) / 2;
    const GridRange moved{zoomed.colFirst + half, zoomed.rowFirst, zoomed.colLast + half, zoomed.rowLast};
    QCOMPARE(View2D(), &view2D);
    QCOMPARE(view2D.Document(), doc);
    QCOMPARE(m_pSession->Shell().Documents().Documents().size(), std::size_t(1));
    CheckAllViewsShow(moved, before);
    QVERIFY2(m_pSession->Messages().Texts().empty(), FirstMessage().c_str());
}

void CThreeViewsPathTest::AMovePastTheEastEdgeReopensTheAreaWithEveryView()
{
    // Standing alone, the path up to the three views first.
    if ((!m_pSession || !Map() || !Render()) && !ReachThreeViews())
        return;
    CMainFrame& frame = Frame();
    const QPointer<CView2DView> old2D = View2D();
    const std::string oldPath = old2D->Document()->PathName();
    const QRect renderPlace = frame.FrameOf(Render())->geometry();
    const QRect view2DPlace = frame.FrameOf(old2D)->geometry();
    const QRect mapPlace = frame.FrameOf(Map())->geometry();

    // Moves east inside the grid until the next one leaves it.
    GridRange range = old2D->Viewer().GetRange();
    const int half = (range.colLast - range.colFirst + 1) / 2;
    while (range.colLast + half < kAreaCols) {
        frame.OnCommand(cmd::kMoveEast);
        range.colFirst += half;
        range.colLast += half;
        QCOMPARE(Text(old2D->Viewer().GetRange()), Text(range));
    }
    frame.OnCommand(cmd::kMoveEast);
    QVERIFY2(m_pSession->Messages().Texts().empty(), FirstMessage().c_str());

    // The area as many whole tiles further east as the moved range needs
    // opened in place of the old one.
    const GridRange shifted{range.colFirst + half, range.rowFirst, range.colLast + half, range.rowLast};
    const int tiles = (shifted.colLast - (kAreaCols - 1) + kTileCols - 1) / kTileCols;
    QTRY_VERIFY(old2D.isNull());
    QCOMPARE(m_pSession->Shell().Documents().Documents().size(), std::size_t(1));
    CView2DView* view2D = View2D();
    QVERIFY(view2D);
    const CTessimDoc* doc = view2D->Document();
    QVERIFY(doc->PathName() != oldPath);
    const std::string base = "/5m/6443-20-0" + std::to_string(tiles) + ".3dm";
    QVERIFY2(doc->PathName().ends_with(base), doc->PathName().c_str());
    QCOMPARE(doc->Grid().m_nCols, kAreaCols);
    QCOMPARE(doc->Grid().m_nRows, kAreaRows);
    // The moved range, in the new grid those tiles' columns further west.
    const GridRange reopened{shifted.colFirst - tiles * kTileCols, shifted.rowFirst,
                             shifted.colLast - tiles * kTileCols, shifted.rowLast};
    QCOMPARE(Text(view2D->Viewer().GetRange()), Text(reopened));

    // The new document has its map view and its rendering view again, in the old frames' places.
    CheckAllViewsShow(reopened, nullptr);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(frame.FrameOf(Render())->geometry(), renderPlace);
    QCOMPARE(frame.FrameOf(view2D)->geometry(), view2DPlace);
    QCOMPARE(frame.FrameOf(Map())->geometry(), mapPlace);
}

int RunThreeViewsPathTests(const GuiSample& sample, int argc, char** argv)
{
    CThreeViewsPathTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "ThreeViewsPathTest.moc"
