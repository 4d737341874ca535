// The 2-D view's mouse zoom with its two context menus, and the move
// commands inside the grid and past its edge.
#include "app/CommandIds.h"
#include "app/TessimApp.h"
#include "app/TessimDoc.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"

#include <QPointer>
#include <QTest>

#include <cstdlib>
#include <vector>

namespace qb::test {
namespace {

const GridRange kWholeArea{0, 0, 2249, 1499};
constexpr int kColsPerTile = 225;
const QSize kViewSize(kPictureWidth, kPictureHeight);
const QStringList kZoomMenu{kZoomText, kStepBackText, kCancelText};
const QStringList kStepBackMenu{kStepBackText, kRotationCentreText, kCancelText};

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

// A snapped corner of the band lands on the grid point under it or next to it.
bool Near(int a, int b)
{
    return std::abs(a - b) <= 1;
}

struct HeightAt {
    int row;
    int col;
    float height;
};

// Heights of real ground (above sea level, so not filled in) in the east half of the grid.
std::vector<HeightAt> EastHalfHeights(const CHeightGrid& grid)
{
    std::vector<HeightAt> heights;
    for (int row = 0; row < grid.m_nRows; row += 37) {
        for (int col = grid.m_nCols / 2; col < grid.m_nCols; col += 41) {
            if (grid.Height(row, col) > 1.0f)
                heights.push_back({row, col, grid.Height(row, col)});
        }
    }
    return heights;
}

} // namespace

class CViewCommandsTest final : public QObject {
    Q_OBJECT
public:
    explicit CViewCommandsTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void ADragZoomsInAndAClickStepsBack();
    void MovingEastStaysInTheGridThenOpensTheAreaBeyondItsEdge();

private:
    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

// Every test starts with the sample area open in a view of 800 x 600.
void CViewCommandsTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
}

void CViewCommandsTest::cleanup()
{
    m_pSession.reset();
}

void CViewCommandsTest::ADragZoomsInAndAClickStepsBack()
{
    CView2DView& view = *m_pSession->View();
    CViewer2D& viewer = view.Viewer();
    QCOMPARE(Text(viewer.GetRange()), Text(kWholeArea));
    const QPoint from(200, 150);
    const QPoint to(500, 400);
    const GridPoint first = viewer.ScreenToGridClamped({from.x(), from.y()});
    const GridPoint last = viewer.ScreenToGridClamped({to.x(), to.y()});

    QCOMPARE(DragAndChoose(view, from, to, kZoomText), kZoomMenu);
    const GridRange zoomed = viewer.GetRange();
    QVERIFY2(Near(zoomed.colFirst, first.col) && Near(zoomed.rowFirst, first.row) &&
                 Near(zoomed.colLast, last.col) && Near(zoomed.rowLast, last.row),
             qPrintable(Text(zoomed)));
    QVERIFY(!viewer.IsDragging());

    // Let go within 4 pixels across of the start: the step-back menu, whose
    // "キャンセル" leaves the range alone.
    QCOMPARE(DragAndChoose(view, QPoint(300, 200), QPoint(302, 450), kCancelText), kStepBackMenu);
    QCOMPARE(Text(viewer.GetRange()), Text(zoomed));
    QVERIFY(!viewer.IsDragging());

    QCOMPARE(DragAndChoose(view, QPoint(400, 300), QPoint(400, 300), kStepBackText), kStepBackMenu);
    QCOMPARE(Text(viewer.GetRange()), Text(kWholeArea));
    QVERIFY(!viewer.IsDragging());
}

void CViewCommandsTest::MovingEastStaysInTheGridThenOpensTheAreaBeyondItsEdge()
{
    CShellApp& shell = m_pSession->Shell();
    CMainFrame& frame = m_pSession->Frame();
    QPointer<CView2DView> view = m_pSession->View();
    CTessimDoc* doc = view->Document();
    QCOMPARE(DragAndChoose(*view, QPoint(100, 100), QPoint(300, 300), kZoomText), kZoomMenu);
    const GridRange zoomed = view->Viewer().GetRange();
    QVERIFY2(zoomed.colLast < kWholeArea.colLast / 2, qPrintable(Text(zoomed)));

    frame.OnCommand(cmd::kMoveEast);
    const int half = (zoomed.colLast - zoomed.colFirst + 1) / 2;
    const GridRange moved{zoomed.colFirst + half, zoomed.rowFirst, zoomed.colLast + half, zoomed.rowLast};
    QCOMPARE(Text(view->Viewer().GetRange()), Text(moved));
    QCOMPARE(m_pSession->View(), view.data());
    QCOMPARE(shell.Documents().Documents().size(), std::size_t(1));
    QCOMPARE(view->Document(), doc);

    // With the whole area shown, east of it lie tiles the grid does not hold.
    QCOMPARE(DragAndChoose(*view, QPoint(400, 300), QPoint(400, 300), kStepBackText), kStepBackMenu);
    QCOMPARE(Text(view->Viewer().GetRange()), Text(kWholeArea));
    QVERIFY(frame.IsCommandEnabled(cmd::kMoveEast));
    const std::vector<HeightAt> eastHalf = EastHalfHeights(doc->Grid());
    QVERIFY(eastHalf.size() > 100);

    frame.OnCommand(cmd::kMoveEast);
    CView2DView* next = m_pSession->View();
    QVERIFY(next && next != view);
    QTRY_VERIFY(view.isNull());
    QCOMPARE(shell.Documents().Documents().size(), std::size_t(1));
    CTessimDoc* nextDoc = next->Document();
    QCOMPARE(nextDoc, shell.Documents().Documents().front().get());
    const QString base = QString::fromStdString(shell.App().m_area.base.BaseFile());
    QVERIFY2(base.contains(QStringLiteral("6443-20-05")), qPrintable(base));
    QCOMPARE(Text(next->Viewer().GetRange()), Text(kWholeArea));
    QCOMPARE(frame.ActiveMenuId(), 131);
    // The east half of the old area is the west half of the new one.
    const CHeightGrid& grid = nextDoc->Grid();
    const int shift = grid.m_nCols / 2;
    for (const HeightAt& h : eastHalf)
        QCOMPARE(grid.Height(h.row, h.col - shift), h.height);

    // A part at the west edge moved west: the area one tile further west
    // opens, showing that part where it now lies in the new grid.
    QVERIFY(m_pSession->ShowViewAt(kViewSize));
    QCOMPARE(DragAndChoose(*next, QPoint(60, 100), QPoint(160, 200), kZoomText), kZoomMenu);
    const GridRange west = next->Viewer().GetRange();
    const int westHalf = (west.colLast - west.colFirst + 1) / 2;
    QVERIFY2(west.colFirst < westHalf && westHalf - west.colFirst <= kColsPerTile, qPrintable(Text(west)));
    frame.OnCommand(cmd::kMoveWest);
    QCOMPARE(QString::fromStdString(shell.App().m_area.base.BaseFile()), QString(base).replace("6443-20-05", "6443-20-04"));
    const GridRange shown{west.colFirst - westHalf + kColsPerTile, west.rowFirst,
                          west.colLast - westHalf + kColsPerTile, west.rowLast};
    QCOMPARE(Text(m_pSession->View()->Viewer().GetRange()), Text(shown));
}

int RunViewCommandTests(const GuiSample& sample, int argc, char** argv)
{
    CViewCommandsTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "ViewCommandsTest.moc"
