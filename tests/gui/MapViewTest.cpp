// The map view as a user meets it: brought up from the 2-D view, it shows
// the real map page with the area's red box and the 2-D view's range as the
// blue box; the blue box follows a zoom, a box chosen on the map sets the
// 2-D view's range, and "undo" steps back. The page works offline.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/dialogs/ColourSwatchButton.h"
#include "shell/dialogs/MemoryFontDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"
#include "webmap/MapRange.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMdiArea>
#include <QPointer>
#include <QTest>
#include <QWebEnginePage>

#include <algorithm>
#include <cmath>

namespace qb::test {
namespace {

constexpr int kPageMs = 30000;
// The page receives its coordinates as single-precision values with six decimals.
constexpr double kDegreeSlack = 2e-5;

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

QString Text(const GeoBox& b)
{
    return QStringLiteral("S %1 N %2 W %3 E %4").arg(b.south, 0, 'f', 6).arg(b.north, 0, 'f', 6).arg(b.west, 0, 'f', 6)
        .arg(b.east, 0, 'f', 6);
}

bool Near(const GeoBox& a, const GeoBox& b)
{
    return std::fabs(a.south - b.south) < kDegreeSlack && std::fabs(a.north - b.north) < kDegreeSlack &&
           std::fabs(a.west - b.west) < kDegreeSlack && std::fabs(a.east - b.east) < kDegreeSlack;
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

// The lines of one colour drawn on the page: how many, and the box round them.
struct PageLines {
    int count = 0;
    GeoBox bounds;
};

} // namespace

class CMapViewTest final : public QObject {
    Q_OBJECT
public:
    explicit CMapViewTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void TheShowCommandBringsUpTheMapWithTheRedAndBlueBoxes();
    void AZoomInThe2DViewMovesTheBlueBox();
    void ABoxChosenOnTheMapSetsThe2DViewsRangeAndUndoStepsBack();
    void TheMapCopiesItsPictureAndKeepsItsLabelFont();

private:
    CMainFrame& Frame() { return m_pSession->Frame(); }
    CTessimView* MapView() { return qobject_cast<CTessimView*>(Frame().ViewOf(ViewKind::Map)); }
    // Brings up the map view from the 2-D view and waits for its page.
    bool ShowMapView();
    // The result of a script run in the map page, as JSON text.
    QString PageValue(const QString& expression);
    PageLines Lines(const QString& colour);
    // Waits for the page to show four lines of the colour round `box`.
    bool WaitForBox(const QString& colour, const GeoBox& box);
    // The messages shown, one a line.
    std::string Shown()
    {
        std::string text;
        for (const std::string& shown : m_pSession->Messages().Texts())
            text += shown + "\n";
        return text;
    }
    GeoBox AreaBox() const { return FlipLongitudes(m_pSession->Shell().App().m_areaBox); }
    GeoBox ViewBox() const { return FlipLongitudes(m_pSession->Shell().App().m_viewBox); }
    GridSize Size() { return GridSize{m_pSession->View()->Extent()->cols, m_pSession->View()->Extent()->rows}; }

    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

void CMapViewTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
    // The page the build puts beside the program, seen from the test program.
    m_pSession->Shell().Templates().Of(ViewKind::Map).SetViewFactory([](CShellApp& shell, CTessimDoc& doc) {
        return new CTessimView(shell, doc, QB_WEB_DIR "/map.html");
    });
    // No network here: the offline layer draws the coast.
    m_pSession->Store().WriteSettingString("GlobeObj", "LayerName", "Offline");
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
    CTessimView* map = MapView();
    return map && QTest::qWaitFor([map] { return map->WebView().PageLoaded(); }, kPageMs) &&
           QTest::qWaitFor([this] { return Lines(QStringLiteral("red")).count == 4; }, kPageMs);
}

QString CMapViewTest::PageValue(const QString& expression)
{
    std::optional<QString> value;
    MapView()->WebView().page()->runJavaScript(QStringLiteral("JSON.stringify(%1)").arg(expression),
                                               [&value](const QVariant& result) { value = result.toString(); });
    static_cast<void>(QTest::qWaitFor([&value] { return value.has_value(); }, kPageMs));
    return value.value_or(QString());
}

PageLines CMapViewTest::Lines(const QString& colour)
{
    const QString points = PageValue(
        QStringLiteral("quarrenbyMap.groups.%1.getLayers().map(l => l.getLatLngs().map(p => [p.lat, p.lng]))")
            .arg(colour));
    const QJsonArray lines = QJsonDocument::fromJson(points.toUtf8()).array();
    PageLines result{static_cast<int>(lines.size()), GeoBox{90, -90, 180, -180}};
    for (const QJsonValue& line : lines) {
        for (const QJsonValue& point : line.toArray()) {
            const double lat = point.toArray()[0].toDouble();
            const double lon = point.toArray()[1].toDouble();
            result.bounds = GeoBox{std::min(result.bounds.south, lat), std::max(result.bounds.north, lat),
                                   std::min(result.bounds.west, lon), std::max(result.bounds.east, lon)};
        }
    }
    return result;
}

bool CMapViewTest::WaitForBox(const QString& colour, const GeoBox& box)
{
    PageLines lines;
    const bool shown = QTest::qWaitFor([&] {
        lines = Lines(colour);
        return lines.count == 4 && Near(lines.bounds, box);
    }, kPageMs);
    if (!shown)
        qWarning("%s lines: %d round %s, wanted %s", qPrintable(colour), lines.count, qPrintable(Text(lines.bounds)),
                 qPrintable(Text(box)));
    return shown;
}

void CMapViewTest::TheShowCommandBringsUpTheMapWithTheRedAndBlueBoxes()
{
    CView2DView& view2D = *m_pSession->View();
    const GridRange zoomed{200, 300, 1499, 1199};
    view2D.Viewer().SetRange(zoomed);
    QVERIFY(Frame().IsCommandEnabled(cmd::kShowMap));
    QVERIFY(ShowMapView());
    CTessimView& map = *MapView();

    // The map view fills its frame with the page and shows the 2-D view's range.
    QCOMPARE(Frame().ActiveMenuId(), 129);
    QCOMPARE(Frame().FrameOf(&map)->windowTitle(), QStringLiteral("地図ビュー"));
    QVERIFY(!Frame().IsCommandEnabled(cmd::kShowMap));
    QVERIFY(Frame().IsCommandEnabled(cmd::kPrintMap) && Frame().IsCommandEnabled(cmd::kMemoryFont));
    QCOMPARE(map.WebView().size(), map.size());
    QCOMPARE(Text(map.Extent()->range), Text(zoomed));

    // The red box is the area; the blue box the 2-D view's part of it.
    const GeoBox area = AreaBox();
    QVERIFY2(area.north > area.south && area.east > area.west, qPrintable(Text(area)));
    QVERIFY(WaitForBox(QStringLiteral("red"), area));
    const GeoBox blue = BoxOfGridRange(area, zoomed, Size());
    QVERIFY(Near(ViewBox(), blue));
    QVERIFY(WaitForBox(QStringLiteral("blue"), blue));
    QVERIFY(Lines(QStringLiteral("black")).count > 100);
    QVERIFY2(m_pSession->Messages().Messages().empty(), Shown().c_str());

    // The frame follows a new size; the page takes the whole of it.
    Frame().FrameOf(&map)->showNormal();
    Frame().FrameOf(&map)->resize(520, 410);
    QTRY_COMPARE(map.WebView().size(), map.size());
}

void CMapViewTest::AZoomInThe2DViewMovesTheBlueBox()
{
    CView2DView& view2D = *m_pSession->View();
    QVERIFY(ShowMapView());
    const GeoBox area = AreaBox();
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOfGridRange(area, view2D.Viewer().GetRange(), Size())));

    // The user zooms in the 2-D view with the mouse.
    Frame().MdiArea()->setActiveSubWindow(Frame().FrameOf(&view2D));
    QVERIFY(m_pSession->PaintView());
    QCOMPARE(DragAndChoose(view2D, QPoint(150, 120), QPoint(420, 330), kZoomText).size(), 3);
    const GridRange zoomed = view2D.Viewer().GetRange();
    QVERIFY(zoomed.colFirst > 0 && zoomed.rowFirst > 0);
    const GeoBox blue = BoxOfGridRange(area, zoomed, Size());
    QVERIFY(Near(ViewBox(), blue));
    QVERIFY(WaitForBox(QStringLiteral("blue"), blue));
    QCOMPARE(Text(MapView()->Extent()->range), Text(zoomed));

    // A move east takes the blue box along.
    Frame().OnCommand(cmd::kMoveEast);
    const GridRange moved = view2D.Viewer().GetRange();
    QVERIFY(moved.colFirst > zoomed.colFirst);
    QCOMPARE(Text(MapView()->Extent()->range), Text(moved));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOfGridRange(area, moved, Size())));
    QVERIFY2(m_pSession->Messages().Messages().empty(), Shown().c_str());
}

void CMapViewTest::ABoxChosenOnTheMapSetsThe2DViewsRangeAndUndoStepsBack()
{
    CView2DView& view2D = *m_pSession->View();
    const GridRange before = view2D.Viewer().GetRange();
    QVERIFY(ShowMapView());
    CTessimView& map = *MapView();
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
    const std::optional<GridRange> expected = GridRangeOfBox(area, inside, Size());
    QVERIFY(expected);
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(*expected));
    QCOMPARE(Text(map.Extent()->range), Text(*expected));
    QVERIFY(Near(ViewBox(), inside));
    QVERIFY(WaitForBox(QStringLiteral("blue"), inside));

    // A box wholly outside the red box is refused and changes nothing.
    m_pSession->Messages().Clear();
    map.Globe().OnWebMessage("boxzoom,10.5,120.5,11.5,121.5");
    QCOMPARE(m_pSession->Messages().Texts(), std::vector<std::string>{std::string(kInvalidRangeMessage)});
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(*expected));

    // "undo" from the map's menu: the range before the box comes back, and
    // the blue box with it.
    map.Globe().OnWebMessage("undo");
    QCOMPARE(Text(view2D.Viewer().GetRange()), Text(before));
    QCOMPARE(Text(map.Extent()->range), Text(before));
    QVERIFY(WaitForBox(QStringLiteral("blue"), BoxOfGridRange(area, before, Size())));
}

void CMapViewTest::TheMapCopiesItsPictureAndKeepsItsLabelFont()
{
    QVERIFY(ShowMapView());
    CTessimView& map = *MapView();
    QApplication::clipboard()->clear();
    Frame().OnCommand(cmd::kCopyBitmap);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), map.WebView().size());
    QVERIFY(Varied(copied));

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
