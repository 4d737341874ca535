// "地図から開く" as a user runs it: the map kind, the web map of the dialog
// with its grid and the cells holding tiles, a box dragged with Shift on the
// page, OK, and the area shown in a 2-D view.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "platform/qt/web/QtWebView.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/settings/GlobeWidget.h"
#include "shell/settings/MapOpenCommand.h"
#include "shell/settings/MapOpenDlg.h"
#include "shell/settings/MapSelectDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/MapPage.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"
#include "webmap/GlobeDraw.h"
#include "webmap/GlobeObj.h"
#include "webmap/GlobeProjection.h"

#include <QPointer>
#include <QTest>

#include <functional>
#include <optional>

namespace qb::test {
namespace {

// The sample's secondary cell 6443-20; the box dragged lies just inside it
// and snaps out to its lines.
constexpr double kSouth = kSampleCell.south;
constexpr double kNorth = kSampleCell.north;
constexpr double kWest = kSampleCell.west;
constexpr double kEast = kSampleCell.east;

QPoint ToQPoint(DrawPoint p)
{
    return QPoint(p.x, p.y);
}

// Turns the globe, within the angles it allows, so that the point `where`
// gives lies nearest the window's centre.
void TurnTowards(CGlobeWidget& globe, GlobeOptions& view, const std::function<QPoint()>& where)
{
    const auto distance = [&] { return (where() - globe.rect().center()).manhattanLength(); };
    double bestAngle = view.angle;
    double bestBent = view.bent;
    int best = distance();
    for (double angle = 303.0; angle <= 331.0; angle += 0.5) {
        for (double bent = 134.0; bent <= 156.0; bent += 0.5) {
            view.angle = angle;
            view.bent = bent;
            if (const int d = distance(); d < best) {
                best = d;
                bestAngle = angle;
                bestBent = bent;
            }
        }
    }
    view.angle = bestAngle;
    view.bent = bestBent;
    globe.update();
}

int RedLines(CQtWebView& web)
{
    return PageLines(web, QStringLiteral("red")).first;
}

} // namespace

class COpenFromMapTest final : public QObject {
    Q_OBJECT
public:
    explicit COpenFromMapTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void ABoxDraggedOnTheMapSnapsToCellLinesAndOpensItsArea();
    void WithoutTheMapPageTheGlobeChoosesTheBox();

private:
    const GuiSample& m_sample;
};

void COpenFromMapTest::ABoxDraggedOnTheMapSnapsToCellLinesAndOpensItsArea()
{
    CShellSession session;
    session.SeedSettings(m_sample.placeFolder);
    // The map opens where the sample lies, as after an earlier open there.
    CMemorySettingsStore& store = session.Store();
    store.WriteSettingString("GlobeObj", "MapCenterLat", "42.875");
    store.WriteSettingString("GlobeObj", "MapCenterLon", "143.0625");
    store.WriteSettingString("GlobeObj", "MapZoom", "11");
    ShellOptions options;
    options.database = m_sample.database;
    QVERIFY(session.Start(options));
    CMainFrame& frame = session.Frame();
    QVERIFY(frame.IsCommandEnabled(cmd::kOpenFromMap));

    CModalDriver<CMapSelectDlg> kind([](CMapSelectDlg& dialog) { dialog.accept(); });
    std::optional<GeoBox> chosen;
    int outlines = 0;
    CModalDriver<CMapOpenDlg> map(
        [&](CMapOpenDlg& dialog) {
            CQtWebView& web = dialog.WebView();
            outlines = RedLines(web);
            ShiftDrag(web, PixelOf(web, kNorth - 0.01, kWest + 0.006), PixelOf(web, kSouth + 0.007, kEast - 0.004));
            if (QTest::qWaitFor([&] { return Evaluate(web, "window.quarrenbyMap.selection !== null").toBool(); }, 5000))
                chosen = session.Shell().App().m_areaBox;
            dialog.accept();
            // A dialog that refused OK would wait for the user.
            if (dialog.isVisible())
                dialog.reject();
        },
        // Ready once the page has drawn the grid and the outlined cell.
        [](CMapOpenDlg& dialog) { return dialog.WebView().PageLoaded() && RedLines(dialog.WebView()) > 0; });
    frame.OnCommand(cmd::kOpenFromMap);
    QVERIFY(kind.Acted());
    QVERIFY(map.Acted());
    // The one 5 m cell of the database is outlined: four red lines.
    QCOMPARE(outlines, 4);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->south, kSouth);
    QCOMPARE(chosen->north, kNorth);
    QCOMPARE(chosen->west, -kWest);
    QCOMPARE(chosen->east, -kEast);

    const CTessimApp& app = session.Shell().App();
    QCOMPARE(app.m_nSourceKind, 6);
    QCOMPARE(app.m_area.base.Across(), 10);
    QCOMPARE(app.m_area.base.Down(), 10);
    QVERIFY(session.View());
    const CTessimDoc* doc = session.View()->Document();
    QVERIFY(doc);
    // Ten by ten tiles of 225 x 150 points.
    QCOMPARE(doc->Grid().m_nCols, 2250);
    QCOMPARE(doc->Grid().m_nRows, 1500);
    QVERIFY(doc->PathName().ends_with("/5m/6443-20-00.3dm"));
    // The next open offers the area just opened.
    QCOMPARE(store.GetSettingInt("MultiOpen", "XMap", 0), 10);
    QCOMPARE(store.GetSettingInt("MultiOpen", "AddAreaList", 1), 0);
}

// The dialog without its page shows the globe: the keys zoom it out until
// the sample's cell is in sight, a Shift+drag over the cell chooses it
// snapped to its lines, and OK assembles its tiles.
void COpenFromMapTest::WithoutTheMapPageTheGlobeChoosesTheBox()
{
    CShellSession session;
    session.SeedSettings(m_sample.placeFolder);
    ShellOptions options;
    options.database = m_sample.database;
    QVERIFY(session.Start(options));
    CTessimApp& app = session.Shell().App();
    std::optional<double> zoomedFrom;
    std::optional<double> zoomedTo;
    bool dragged = false;
    bool turned = false;
    CModalDriver<CMapOpenDlg> map(
        [&](CMapOpenDlg& dialog) {
            CGlobeWidget* globe = dialog.Globe();
            // Drawn once, the globe knows its window.
            if (!QTest::qWaitForWindowExposed(globe)) {
                dialog.reject();
                return;
            }
            QTest::qWait(50);
            GlobeOptions& view = globe->Globe().m_globe.m_options;
            zoomedFrom = view.RadiusFactor();
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(globe, Qt::Key_Minus);
            zoomedTo = view.RadiusFactor();
            const auto pixel = [&](double lat, double lon) {
                const GlobeView shown = GlobeViewOf(view, globe->width(), globe->height());
                return ToQPoint(GlobeToScreen(shown, lat, -lon).point);
            };
            // The arrow keys turn it; then it is turned to the cell at once.
            const double angle = view.angle;
            QTest::keyClick(globe, Qt::Key_Right);
            turned = view.angle != angle;
            TurnTowards(*globe, view, [&] { return pixel((kSouth + kNorth) / 2, (kWest + kEast) / 2); });
            const QPoint from = pixel(kNorth - 0.01, kWest + 0.01);
            const QPoint to = pixel(kSouth + 0.01, kEast - 0.01);
            dragged = globe->rect().contains(from) && globe->rect().contains(to);
            if (!dragged) {
                dialog.reject();
                return;
            }
            QTest::mousePress(globe, Qt::LeftButton, Qt::ShiftModifier, from);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(globe, from + (to - from) * step / 4);
            QTest::mouseRelease(globe, Qt::LeftButton, Qt::ShiftModifier, to);
            dialog.accept();
            // A dialog that refused OK would wait for the user.
            if (dialog.isVisible())
                dialog.reject();
        },
        [](CMapOpenDlg& dialog) { return dialog.Globe() != nullptr && dialog.Globe()->isVisible(); });
    CAreaRecords records;
    QVERIFY(RunMapOpenDialog(app, records, 2, &session.Frame(), "/nonexistent/map.html"));
    QVERIFY(map.Acted());
    QVERIFY(dragged);
    QVERIFY(turned);
    QCOMPARE(*zoomedFrom, 50.0);
    QVERIFY(*zoomedTo < 15.0);
    QCOMPARE(app.m_areaBox.south, kSouth);
    QCOMPARE(app.m_areaBox.north, kNorth);
    QCOMPARE(app.m_areaBox.west, -kWest);
    QCOMPARE(app.m_areaBox.east, -kEast);
    QCOMPARE(records.base.Across(), 10);
    QCOMPARE(records.base.Down(), 10);
}

int RunOpenFromMapTests(const GuiSample& sample, int argc, char** argv)
{
    COpenFromMapTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "OpenFromMapTest.moc"
