// The map view as a user meets it: brought up from the 2-D view, it shows
// the real map page with the area's red box and the 2-D view's range as the
// blue box; the blue box follows a zoom and a move, a box chosen on the map
// sets the 2-D view's range, and "undo" steps back. The page works offline.
#include "app/CommandIds.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/dialogs/ColourSwatchButton.h"
#include "shell/dialogs/MemoryFontDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/MapPage.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QMdiArea>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

namespace qb::test {
namespace {

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

// A drawn page, not a blank surface.
bool Varied(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

} // namespace

class CMapViewTest final : public QObject {
    Q_OBJECT
public:
    explicit CMapViewTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void TheMapShowsTheRedBoxAndTheBlueBoxFollowsThe2DView();
    void ABoxChosenOnTheMapSetsThe2DViewsRangeAndUndoStepsBack();
    void TheMapCopiesPrintsAndKeepsItsLabelFont();

private:
    CMainFrame& Frame() { return m_pSession->Frame(); }
    CTessimView& Map() { return *qobject_cast<CTessimView*>(Frame().ViewOf(ViewKind::Map)); }
    // Brings up the map view from the 2-D view and waits for its page to draw the red box.
    bool ShowMapView();
    std::pair<int, GeoBox> Lines(const QString& colour) { return PageLines(Map().WebView(), colour); }
    bool WaitForBox(const QString& colour, const GeoBox& box) { return WaitForPageBox(Map().WebView(), colour, box); }
    GeoBox AreaBox() const { return FlipLongitudes(m_pSession->Shell().App().m_areaBox); }
    GeoBox ViewBox() const { return FlipLongitudes(m_pSession->Shell().App().m_viewBox); }
    // The blue box of a range of the 2-D view's grid.
    GeoBox BoxOf(const GridRange& range)
    {
        const ViewExtent extent = *m_pSession->View()->Extent();
        return BoxOfGridRange(AreaBox(), range, GridSize{extent.cols, extent.rows});
    }

    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

void CMapViewTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
    m_pSession->UseBuiltMapPage();
    // The start's own messages (the test program's folder has no globe data) are not the map's.
    m_pSession->Messages().Clear();
}

void CMapViewTest::cleanup()
{
    m_pSession.reset();
}

bool CMapViewTest::ShowMapView()
{
    Frame().OnCommand(cmd::kShowMap);
    return Frame().ViewOf(ViewKind::Map) && QTest::qWaitFor([this] { return Map().WebView().PageLoaded(); }, kPageMs) &&
           QTest::qWaitFor([this] { return Lines(QStringLiteral("red")).first == 4; }, kPageMs);
}

void CMapViewTest::TheMapShowsTheRedBoxAndTheBlueBoxFollowsThe2DView()
{
    CView2DView& view2D = *m_pSession->View();
    const GridRange zoomed{200, 300, 1499, 1199};
    view2D.Viewer().SetRange(zoomed);
    QVERIFY(ShowMapView());
    CTessimView& map = Map();

    // The map view fills its frame with the page and shows the 2-D view's range.
    QCOMPARE(Frame().ActiveMenuId(), 129);
    QCOMPARE(Frame().FrameOf(&map)->windowTitle(), QStringLiteral("地図ビュー"));
    QVERIFY(!Frame().IsCommandEnabled(cmd::kShowMap));
    QVERIFY(Frame().IsCommandEnabled(cmd::kPrintMap) && Frame().IsCommandEnabled(cmd::kMemoryFont));
    QCOMPARE(map.WebView().size(), map.size());
    QCOMPARE(Text(map.Extent()->range), Text(zoomed));
    // The red box is the area, the blue box the 2-D view's part of it, under the cells' lines.
    const GeoBox area = AreaBox();
    QVERIFY(area.north > area.south && area.east > area.west);
    QVERIFY(WaitForBox(QStringLiteral("red"), area));
    QVERIFY(NearBox(ViewBox(), BoxOf(zoomed)));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOf(zoomed)));
    QVERIFY(Lines(QStringLiteral("black")).first > 100);

    // The user zooms in the 2-D view with the mouse: the blue box follows.
    Frame().MdiArea()->setActiveSubWindow(Frame().FrameOf(&view2D));
    QVERIFY(m_pSession->PaintView());
    QCOMPARE(DragAndChoose(view2D, QPoint(150, 120), QPoint(420, 330), kZoomText).size(), 3);
    const GridRange chosen = view2D.Viewer().GetRange();
    QVERIFY(chosen.colFirst > zoomed.colFirst && chosen.colLast < zoomed.colLast);
    QVERIFY(NearBox(ViewBox(), BoxOf(chosen)));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOf(chosen)));
    QCOMPARE(Text(map.Extent()->range), Text(chosen));

    // A move east takes the blue box along, one step only.
    Frame().OnCommand(cmd::kMoveEast);
    const GridRange moved = view2D.Viewer().GetRange();
    QCOMPARE(moved.colFirst, chosen.colFirst + (chosen.colLast - chosen.colFirst + 1) / 2);
    QCOMPARE(Text(map.Extent()->range), Text(moved));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOf(moved)));
    QVERIFY(m_pSession->Messages().Messages().empty());

    // The frame follows a new size; the page takes the whole of it.
    Frame().FrameOf(&map)->showNormal();
    Frame().FrameOf(&map)->resize(520, 410);
    QTRY_COMPARE(map.WebView().size(), map.size());
}

void CMapViewTest::ABoxChosenOnTheMapSetsThe2DViewsRangeAndUndoStepsBack()
{
    CView2DView& view2D = *m_pSession->View();
    const GridRange before = view2D.Viewer().GetRange();
    QVERIFY(ShowMapView());
    CTessimView& map = Map();
    const GeoBox area = AreaBox();
    const double dLat = area.north - area.south;
    const double dLon = area.east - area.west;

    // A box reaching past the red box's north-east corner, as the page
    // reports a Shift+drag: the part inside becomes the 2-D view's range.
    const GeoBox chosen{area.south + dLat * 0.4, area.north + dLat * 0.2, area.west + dLon * 0.3, area.east + dLon};
    map.Globe().OnWebMessage(QStringLiteral("boxzoom,%1,%2,%3,%4")
                                 .arg(chosen.north, 0, 'f', 6).arg(chosen.west, 0, 'f', 6)
                                 .arg(chosen.south, 0, 'f', 6).arg(chosen.east, 0, 'f', 6).toStdString());
    const GeoBox inside{chosen.south, area.north, chosen.west, area.east};
    const ViewExtent extent = *view2D.Extent();
    const std::optional<GridRange> expected = GridRangeOfBox(area, inside, GridSize{extent.cols, extent.rows});
    QVERIFY(expected);
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(*expected));
    QCOMPARE(Text(map.Extent()->range), Text(*expected));
    QVERIFY(NearBox(ViewBox(), inside));
    QVERIFY(WaitForBox(QStringLiteral("blue"), inside));

    // A box wholly outside the red box is refused and changes nothing.
    map.Globe().OnWebMessage("boxzoom,10.5,120.5,11.5,121.5");
    QCOMPARE(m_pSession->Messages().Texts(), std::vector<std::string>{std::string(kInvalidRangeMessage)});
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(*expected));

    // "undo" from the map's menu: the range before the box comes back, and the blue box with it.
    map.Globe().OnWebMessage("undo");
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(before));
    QCOMPARE(Text(map.Extent()->range), Text(before));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOf(before)));
}

void CMapViewTest::TheMapCopiesPrintsAndKeepsItsLabelFont()
{
    QVERIFY(ShowMapView());
    CTessimView& map = Map();
    QApplication::clipboard()->clear();
    Frame().OnCommand(cmd::kCopyBitmap);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), map.WebView().size());
    QVERIFY(Varied(copied));

    // Ctrl+P (the 2-D view's print command, which the toolbar's button
    // also runs) prints the page, as the menu's print command does; without
    // a printer into the documents folder (of a home of the test's own).
    QVERIFY(Frame().IsCommandEnabled(cmd::kFilePrint));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(m_pSession->ProgramFolder() + "/home"));
        QSignalSpy printed(map.WebView().page(), &QWebEnginePage::pdfPrintingFinished);
        // Printing the 2-D view instead would ask in its print dialog.
        CModalDriver<QPrintDialog> wrongView([](QPrintDialog& dialog) { dialog.reject(); });
        Frame().Action(cmd::kFilePrint)->trigger();
        const bool done = printed.wait(kPageMs);
        qputenv("HOME", home);
        QVERIFY(!wrongView.Acted());
        QVERIFY(done && printed.front().at(1).toBool());
        QVERIFY(printed.front().at(0).toString().startsWith(QString::fromStdString(m_pSession->ProgramFolder())));
        // The user is told where the map went.
        QVERIFY(QTest::qWaitFor([&] { return !m_pSession->Messages().Texts().empty(); }, kPageMs));
        QCOMPARE(QString::fromStdString(m_pSession->Messages().Texts().back()),
                 QString::fromStdString(std::string(kMapPdfWrittenMessage)) + '\n' + printed.front().at(0).toString());
    }

    // The label font command: a chosen size and colour are kept on OK, and
    // written to the settings when the view goes.
    CModalDriver<CMemoryFontDlg> driver([](CMemoryFontDlg& dialog) {
        QFont font = dialog.Chooser().currentFont();
        font.setPointSize(20);
        dialog.Chooser().setCurrentFont(font);
        dialog.ColourButton().SetFill(0x00FF0000);
        dialog.accept();
    });
    Frame().OnCommand(cmd::kMemoryFont);
    QVERIFY(driver.Acted());
    QCOMPARE(map.Record().m_memoryFont.colour, 0x00FF0000u);
    QVERIFY(map.Record().m_memoryFont.height < -20);
    QPointer<CTessimView> gone = &map;
    Frame().FrameOf(&map)->close();
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(m_pSession->Store().GetSettingInt("MemoryFont", "FontColor", -1), 0x00FF0000);
}

int RunMapViewTests(const GuiSample& sample, int argc, char** argv)
{
    CMapViewTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "MapViewTest.moc"
