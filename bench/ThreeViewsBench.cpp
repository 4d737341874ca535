// qb_three_views_bench: the desktop program in this process, driven as a user
// drives it, timing how long the three views of an area take to show it.
//   qb_three_views_bench --database DB --case open|inside|edge
// DB holds the sample cell 6443-20 converted (5 m tiles). Every case opens an
// area through "地図から開く": the map kind is taken, a box is dragged with
// Shift on the dialog's map and OK is pressed.
//   open    the whole cell (10 x 10 tiles); timed from OK: the 2-D view
//           painted, then "地図ビュー表示" and "レンダリング表示" at once, until
//           the map page has drawn its red and blue boxes and the rendering
//           view has put a frame of its mesh on the screen
//   inside  the whole cell, the western half shown in the three views, tiled;
//           timed: a move east inside the grid until all three have drawn again
//   edge    the whole cell, its eastern tile column shown, tiled; timed: a
//           move east past the grid's edge, which re-opens the area one tile
//           further east, until its three views have drawn
// Printed in milliseconds from the start of what is timed: when each view had
// drawn and the whole. The map page falls back to its bundled offline layer.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "bench/CountingMessages.h"
#include "bench/ViewDrawWatch.h"
#include "platform/MemorySettingsStore.h"
#include "platform/qt/QtSystemServices.h"
#include "platform/qt/web/QtWebProfile.h"
#include "platform/qt/web/QtWebView.h"
#include "render3d/gl/RenderSurfaceFormat.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "shell/TessimView.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"
#include "shell/settings/MapOpenDlg.h"
#include "shell/settings/MapSelectDlg.h"
#include "tests/gui/MapPage.h"
#include "tests/gui/ModalDriver.h"
#include "tests/support/TempDir.h"
#include "webmap/MapRange.h"
#include "webmap/WebMapHost.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace qb::bench {
namespace {

constexpr int kDrawnMs = 60000;
// The sample's cell 6443-20; the box is dragged just inside it and snaps
// out to its lines.
constexpr double kSouth = 42.0 + 10.0 / 12.0;
constexpr double kNorth = 42.0 + 11.0 / 12.0;
constexpr double kWest = 143.0;
constexpr double kEast = 143.125;
constexpr int kTileCols = 225;

// Two animation frames after the boxes are in the page: the second comes once
// the paint that shows them is done.
constexpr const char* kMarkFrame =
    "window.qbBenchFrame = false;"
    "requestAnimationFrame(() => requestAnimationFrame(() => { window.qbBenchFrame = true; }));";

enum class Case { Open, Inside, Edge };

struct Options {
    std::string database;
    Case timed = Case::Open;
};

std::optional<Options> ParseOptions(const QStringList& arguments)
{
    Options options;
    bool named = false;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& value = arguments[i + 1];
        if (arguments[i] == QLatin1String("--database")) {
            options.database = QDir(value).absolutePath().toStdString();
        } else if (arguments[i] == QLatin1String("--case")) {
            named = true;
            if (value == QLatin1String("open"))
                options.timed = Case::Open;
            else if (value == QLatin1String("inside"))
                options.timed = Case::Inside;
            else if (value == QLatin1String("edge"))
                options.timed = Case::Edge;
            else
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (arguments.size() % 2 == 0 || options.database.empty() || !named)
        return std::nullopt;
    return options;
}


// When each view had drawn, in milliseconds of the clock; -1 when it did not.
struct Drawn {
    std::int64_t view2D = -1;
    std::int64_t map = -1;
    std::int64_t render = -1;
    std::int64_t All() const { return std::min({view2D, map, render}) < 0 ? -1 : std::max({view2D, map, render}); }
};

class CBench {
public:
    CBench(const Options& options, ISettingsStore& settings, ISystemServices& system)
        : m_options(options), m_shell(settings, system, &m_messages), m_watch(m_clock)
    {
        m_clock.start();
    }

    int Run();

private:
    CMainFrame& Frame() { return *m_shell.MainFrame(); }
    CTessimView* Map() { return qobject_cast<CTessimView*>(Frame().ViewOf(ViewKind::Map)); }
    CViewCGView* Render() { return qobject_cast<CViewCGView*>(Frame().ViewOf(ViewKind::Rendering)); }
    // Runs open from map over the cell; the clock restarts at OK.
    bool OpenCell();
    // Waits until every view has drawn the 2-D view's range since `since`.
    Drawn WaitDrawn(std::int64_t since);
    std::int64_t WaitMapDrawn();
    // Shows `range` in the 2-D view and passes it on, as a zoom does, and tiles the views.
    bool ShowRangeTiled(const GridRange& range);
    int Report(const char* what, const Drawn& drawn);

    const Options& m_options;
    QElapsedTimer m_clock;
    CCountingMessages m_messages{"qb_three_views_bench"};
    CShellApp m_shell;
    CViewDrawWatch m_watch;
};

bool CBench::OpenCell()
{
    std::optional<test::CModalDriver<CMapOpenDlg>> map;
    bool chosen = false;
    test::CModalDriver<CMapSelectDlg> kind([&](CMapSelectDlg& dialog) {
        map.emplace(
            [&](CMapOpenDlg& mapDialog) {
                CQtWebView& web = mapDialog.WebView();
                test::ShiftDrag(web, test::PixelOf(web, kNorth - 0.01, kWest + 0.006),
                                test::PixelOf(web, kSouth + 0.007, kEast - 0.004));
                chosen = test::WaitUntil(
                    [&] { return test::Evaluate(web, "window.quarrenbyMap.selection !== null").toBool(); }, 5000);
                m_clock.restart();
                m_watch.Reset();
                mapDialog.accept();
                if (mapDialog.isVisible())
                    mapDialog.reject();
            },
            [](CMapOpenDlg& mapDialog) {
                return mapDialog.WebView().PageLoaded() &&
                       test::PageLines(mapDialog.WebView(), QStringLiteral("red")).first > 0;
            });
        dialog.accept();
    });
    Frame().OnCommand(cmd::kOpenFromMap);
    if (!kind.Acted() || !map || !map->Acted() || !chosen || !Frame().View2D()) {
        std::fprintf(stderr, "qb_three_views_bench: the area was not chosen and opened on the map\n");
        return false;
    }
    return true;
}

std::int64_t CBench::WaitMapDrawn()
{
    CTessimView* map = Map();
    CView2DView* view2D = Frame().View2D();
    if (!map || !view2D || !test::WaitUntil([map] { return map->WebView().PageLoaded(); }, kDrawnMs))
        return -1;
    const GeoBox area = FlipLongitudes(m_shell.App().m_areaBox);
    const ViewExtent extent = *view2D->Extent();
    const GeoBox blue = BoxOfGridRange(area, extent.range, GridSize{extent.cols, extent.rows});
    CQtWebView& web = map->WebView();
    if (!test::WaitForPageBox(web, QStringLiteral("red"), area) ||
        !test::WaitForPageBox(web, QStringLiteral("blue"), blue))
        return -1;
    test::Evaluate(web, QString::fromLatin1(kMarkFrame));
    if (!test::WaitUntil([&] { return test::Evaluate(web, QStringLiteral("window.qbBenchFrame")).toBool(); },
                         kDrawnMs))
        return -1;
    return m_clock.elapsed();
}

Drawn CBench::WaitDrawn(std::int64_t since)
{
    Drawn drawn;
    drawn.map = WaitMapDrawn();
    const auto renderDrawn = [&] {
        CViewCGView* render = Render();
        return render && render->Mesh() && m_watch.LastFrameMesh() == render->Mesh() &&
               m_watch.LastRenderFrame() >= since;
    };
    if (test::WaitUntil([&] { return m_watch.Last2DPaint() >= since; }, kDrawnMs))
        drawn.view2D = m_watch.Last2DPaint();
    if (test::WaitUntil(renderDrawn, kDrawnMs))
        drawn.render = m_watch.LastRenderFrame();
    return drawn;
}

bool CBench::ShowRangeTiled(const GridRange& range)
{
    CView2DView* view2D = Frame().View2D();
    view2D->Viewer().SetRange(range);
    view2D->Repaint();
    Frame().PassOnRange(range);
    Frame().OnCommand(cmd::kTile);
    return WaitDrawn(0).All() >= 0;
}

int CBench::Report(const char* what, const Drawn& drawn)
{
    std::printf("%s: 2-D view %lld ms, map view %lld ms, rendering view %lld ms, all %lld ms\n", what,
                static_cast<long long>(drawn.view2D), static_cast<long long>(drawn.map),
                static_cast<long long>(drawn.render), static_cast<long long>(drawn.All()));
    std::fflush(stdout);
    if (drawn.All() < 0) {
        std::fprintf(stderr, "qb_three_views_bench: %s: a view did not draw%s%s\n", what, Map() ? "" : " (no map view)",
                     Render() ? "" : " (no rendering view)");
        return 1;
    }
    return m_messages.Shown() > 0 ? 1 : 0;
}

int CBench::Run()
{
    ShellOptions start;
    start.database = m_options.database;
    if (!m_shell.Start(start))
        return 1;
    // The start's own message (no globe data lies beside the bench) is not the views'.
    m_messages.Forget();
    const bool edge = m_options.timed == Case::Edge;
    if (!OpenCell())
        return 1;
    if (m_options.timed == Case::Open) {
        // The user waits for the area, then brings up the other two views.
        if (!test::WaitUntil([&] { return m_watch.Last2DPaint() >= 0; }, kDrawnMs))
            return Report("open", Drawn{});
        const std::int64_t painted = m_watch.Last2DPaint();
        Frame().OnCommand(cmd::kShowMap);
        const std::int64_t mapMade = m_clock.elapsed();
        Frame().OnCommand(cmd::kShowRender);
        const std::int64_t renderMade = m_clock.elapsed();
        Drawn drawn = WaitDrawn(painted);
        // The two commands return once their views are made (the rendering view's mesh built).
        std::printf("commands: map view made %lld ms, rendering view made %lld ms\n",
                    static_cast<long long>(mapMade), static_cast<long long>(renderMade));
        drawn.view2D = painted;
        return Report("open", drawn);
    }
    Frame().OnCommand(cmd::kShowMap);
    Frame().OnCommand(cmd::kShowRender);
    const ViewExtent extent = *Frame().View2D()->Extent();
    // The western half of the cell, or its eastern tile column.
    const GridRange shown = edge ? GridRange{extent.cols - kTileCols, 0, extent.cols - 1, extent.rows - 1}
                                 : GridRange{0, 0, extent.cols / 2 - 1, extent.rows - 1};
    if (!ShowRangeTiled(shown)) {
        std::fprintf(stderr, "qb_three_views_bench: the three views did not show the range\n");
        return 1;
    }
    const CTessimDoc* doc = Frame().View2D()->Document();
    m_clock.restart();
    m_watch.Reset();
    Frame().OnCommand(cmd::kMoveEast);
    const bool reopened = Frame().View2D() && Frame().View2D()->Document() != doc;
    if (reopened != edge) {
        std::fprintf(stderr, "qb_three_views_bench: the move %s the area\n", reopened ? "re-opened" : "did not re-open");
        return 1;
    }
    return Report(edge ? "move past the edge" : "move inside", WaitDrawn(0));
}

} // namespace
} // namespace qb::bench

int main(int argc, char** argv)
{
    qb::UseRenderSurfaceFormat();
    qb::PrepareWebEngine();
    QApplication application(argc, argv);
    const std::optional<qb::bench::Options> options = qb::bench::ParseOptions(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: qb_three_views_bench --database DB --case open|inside|edge\n");
        return 2;
    }
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    qb::CQtWebProfile webProfile;
    qb::test::CTempDir folder;
    qb::CMemorySettingsStore settings;
    settings.WriteSettingString("FileInit", "PrgDir", folder.Path());
    settings.WriteSettingString("FileInit", "PlnDir", qb::test::SourcePath("data/place"));
    settings.WriteSettingString("FileInit", "AreDir", folder.File("area"));
    settings.WriteSettingInt("Param", "DataBaseFolderFlg", 1);
    settings.WriteSettingString("GlobeObj", "LayerName", "Offline");
    // The map opens over the sample, as after an earlier open there.
    settings.WriteSettingString("GlobeObj", "MapCenterLat", "42.875");
    settings.WriteSettingString("GlobeObj", "MapCenterLon", "143.0625");
    settings.WriteSettingString("GlobeObj", "MapZoom", "11");
    qb::CQtSystemServices system;
    qb::bench::CBench bench(*options, settings, system);
    return bench.Run();
}
