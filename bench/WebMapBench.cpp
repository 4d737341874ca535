// qb_webmap_bench: the open-from-map dialog's web map, from the dialog's
// start to the page loaded with its mesh grid and the red outlines of the
// cells that hold tiles, as the dialog shows them.
//   qb_webmap_bench --database DB [--mesh-setting 1-5] [--layer NAME] [--openings N]
// Each opening makes the dialog, its map object over the application's boxes
// and the map page (which lies beside this program, as beside the viewer),
// and waits until the script run of the grid and outlines has completed in
// the page and the page has drawn a frame after it. Printed per opening, in
// milliseconds from before the dialog was made: the page's load, "MapLoaded",
// the areas sent, their run completed, the next frame, and what the page
// holds then. The first opening of a process includes the browser's start.
#include "app/AppMapHost.h"
#include "app/TessimApp.h"
#include "bench/CountingMessages.h"
#include "bench/TimedWebView.h"
#include "platform/MemorySettingsStore.h"
#include "platform/PosixSystemServices.h"
#include "platform/qt/web/QtWebProfile.h"
#include "platform/qt/web/QtWebView.h"
#include "render3d/gl/RenderSurfaceFormat.h"
#include "shell/settings/MapOpenDlg.h"
#include "webmap/GlobeObj.h"
#include "webmap/GlobeSettings.h"
#include "webmap/StoredTiles.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace qb::bench {
namespace {

constexpr int kTimeoutMs = 120'000;
constexpr int kPollMs = 2;

struct Options {
    std::string database;
    int meshSetting = 2;
    std::string layer;  // stored as the last layer used; empty: none stored
    int openings = 1;
};

std::optional<Options> ParseOptions(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        const std::string value = arguments[i + 1].toStdString();
        if (name == QLatin1String("--database"))
            options.database = QDir(arguments[i + 1]).absolutePath().toStdString();
        else if (name == QLatin1String("--mesh-setting"))
            options.meshSetting = std::atoi(value.c_str());
        else if (name == QLatin1String("--layer"))
            options.layer = value;
        else if (name == QLatin1String("--openings"))
            options.openings = std::atoi(value.c_str());
        else
            return std::nullopt;
    }
    if (arguments.size() % 2 == 0 || options.database.empty() || TileFolderOfMeshSetting(options.meshSetting).empty() ||
        options.openings < 1)
        return std::nullopt;
    return options;
}


// What the page holds once it has drawn the areas.
struct PageState {
    std::int64_t frame = -1;  // a frame after the areas' run has been drawn
    int black = 0;
    int red = 0;
    std::string layer;
};

// Two animation frames after the areas' run: the first comes before the
// paint that shows them, the second once that paint is done. The page is
// polled until the mark is set, then its lines and layer are read.
constexpr const char* kMarkFrame =
    "window.qbBenchFrame = false;"
    "requestAnimationFrame(() => requestAnimationFrame(() => { window.qbBenchFrame = true; }));";
constexpr const char* kReadPage =
    "window.qbBenchFrame ? [quarrenbyMap.groups.black.getLayers().length,"
    " quarrenbyMap.groups.red.getLayers().length, quarrenbyMap.current] : null";

void PollPage(QWebEnginePage* page, const QElapsedTimer& clock, PageState& state, QEventLoop& loop)
{
    page->runJavaScript(QString::fromLatin1(kReadPage), [page, &clock, &state, &loop](const QVariant& result) {
        const QVariantList values = result.toList();
        if (values.size() != 3) {
            QTimer::singleShot(kPollMs, &loop, [page, &clock, &state, &loop] { PollPage(page, clock, state, loop); });
            return;
        }
        state.frame = clock.elapsed();
        state.black = values[0].toInt();
        state.red = values[1].toInt();
        state.layer = values[2].toString().toStdString();
        loop.quit();
    });
}

struct Opening {
    MapLoadTimes times;
    PageState page;
    std::int64_t shown = -1;
};

Opening OpenMap(const Options& options, CTessimApp& app, ISettingsStore& settings,
                               CCountingMessages& messages)
{
    QElapsedTimer clock;
    clock.start();
    CMapOpenDlg dialog(messages, nullptr);
    CTimedWebView view(dialog.WebView(), clock);
    CAppMapHost host(app);
    CGlobeObj globe(settings, messages, host);
    globe.m_nDataKind = 5;
    globe.m_nMeshSetting = options.meshSetting;
    globe.m_strDatabaseFolder = options.database;
    globe.CreateWebMap(&view, 1, ProgramPagePath(QStringLiteral("map.html")));
    dialog.show();
    Opening opening;
    opening.shown = clock.elapsed();
    QEventLoop loop;
    QWebEnginePage* page = dialog.WebView().page();
    view.SetAreasDone([page, &clock, &opening, &loop] {
        page->runJavaScript(QString::fromLatin1(kMarkFrame));
        PollPage(page, clock, opening.page, loop);
    });
    // The browser's pending answers refer to this opening: a run that
    // times out ends the process here.
    QTimer::singleShot(kTimeoutMs, &loop, [] {
        std::fprintf(stderr, "qb_webmap_bench: the map did not show its areas within %d s\n", kTimeoutMs / 1000);
        std::fflush(stderr);
        std::_Exit(1);
    });
    loop.exec();
    globe.CloseWebMap();
    opening.times = view.Times();
    return opening;
}

void PrintOpening(int number, const Opening& opening)
{
    const MapLoadTimes& t = opening.times;
    std::printf("opening %d: shown %lld ms, page loaded %lld ms, MapLoaded %lld ms, areas sent %lld ms,"
                " areas done %lld ms, drawn %lld ms; script %zu bytes, %d lines; page: %d black, %d red lines,"
                " layer %s\n",
                number, static_cast<long long>(opening.shown), static_cast<long long>(t.loaded),
                static_cast<long long>(t.mapLoaded), static_cast<long long>(t.areasSent),
                static_cast<long long>(t.areasDone), static_cast<long long>(opening.page.frame), t.areasBytes,
                t.areasLines, opening.page.black, opening.page.red, opening.page.layer.c_str());
    std::fflush(stdout);
}

// The areas ran without a fault and the page holds four red lines per
// outlined cell.
bool Checked(const Opening& opening, const Options& options)
{
    const std::size_t cells =
        CellsOfTileNames(ListTileNames(options.database + "/" + TileFolderOfMeshSetting(options.meshSetting))).size();
    if (opening.times.areasOk && opening.page.red == static_cast<int>(4 * cells) && opening.page.black > 0)
        return true;
    std::fprintf(stderr, "qb_webmap_bench: the page holds %d red lines for %zu cells (run %s)\n", opening.page.red,
                 cells, opening.times.areasOk ? "succeeded" : "failed");
    return false;
}

// The start-up, like the viewer's, ends with the web profile and the
// application made; the clock runs from the start of the process.
int Run(const Options& options, const QElapsedTimer& processClock)
{
    // The profile goes after every page and before the application object.
    CQtWebProfile webProfile;
    CMemorySettingsStore settings;
    if (!options.layer.empty())
        settings.WriteSettingString(kGlobeSection, "LayerName", options.layer);
    CPosixSystemServices system;
    CCountingMessages messages("qb_webmap_bench");
    CTessimApp app(settings, system, messages);
    std::printf("start-up %lld ms\n", static_cast<long long>(processClock.elapsed()));
    for (int i = 1; i <= options.openings; ++i) {
        const Opening opening = OpenMap(options, app, settings, messages);
        PrintOpening(i, opening);
        if (!Checked(opening, options) || messages.Shown() > 0)
            return 1;
    }
    return 0;
}

} // namespace
} // namespace qb::bench

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    qb::UseRenderSurfaceFormat();
    qb::PrepareWebEngine();
    QApplication application(argc, argv);
    const std::optional<qb::bench::Options> options = qb::bench::ParseOptions(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: qb_webmap_bench --database DB [--mesh-setting 1-5] [--layer NAME] "
                             "[--openings N]\n");
        return 2;
    }
    const std::string tiles = options->database + "/" + qb::TileFolderOfMeshSetting(options->meshSetting);
    if (!QDir(QString::fromStdString(tiles)).exists()) {
        std::fprintf(stderr, "qb_webmap_bench: no tile folder %s\n", tiles.c_str());
        return 2;
    }
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    return qb::bench::Run(*options, clock);
}
