// The globe of the open-from-map dialog: reading the delivered japan.GLL as
// the start-up does, and drawing the default view at 1600 x 1200 with every
// layer on, beside a bare QPainter fill of the same polygons.
#include "bench/GuiApp.h"
#include "platform/MemorySettingsStore.h"
#include "platform/qt/QPainterDrawContext.h"
#include "tests/support/TempDir.h"
#include "webmap/Globe.h"
#include "webmap/GlobeDraw.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace qb::bench {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

std::string GlobeFile() { return test::SourcePath("data/globe/japan.GLL"); }

// The file read, checked and put in drawing order.
void BM_LoadGlobeData(benchmark::State& state)
{
    CMemorySettingsStore settings;
    CGlobe globe(settings);
    for (auto _ : state) {
        if (!globe.LoadGlobeData(GlobeFile()).empty()) {
            state.SkipWithError("data/globe/japan.GLL does not read");
            return;
        }
        benchmark::DoNotOptimize(globe.m_records.data());
    }
    state.counters["records"] = static_cast<double>(globe.m_records.size());
}
BENCHMARK(BM_LoadGlobeData)->Unit(benchmark::kMillisecond);

struct LoadedGlobe {
    CMemorySettingsStore settings;
    CGlobe globe{settings};
    bool loaded = globe.LoadGlobeData(GlobeFile()).empty();
    GlobeScene Scene() const
    {
        GlobeScene scene;
        scene.options = &globe.m_options;
        scene.fonts = &globe.m_fonts;
        scene.records = &globe.m_records;
        return scene;
    }
    GlobeView View() const { return GlobeViewOf(globe.m_options, kWidth, kHeight); }
};

LoadedGlobe& Loaded()
{
    static LoadedGlobe loaded;
    return loaded;
}

// DrawGlobe of the default view (radius factor 50, "Angle" 318, "Bent" 144).
void BM_DrawGlobeDefaultView(benchmark::State& state)
{
    EnsureGui();
    LoadedGlobe& loaded = Loaded();
    if (!loaded.loaded) {
        state.SkipWithError("data/globe/japan.GLL does not read");
        return;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const GlobeScene scene = loaded.Scene();
    for (auto _ : state) {
        QPainter painter(&image);
        CQPainterDrawContext dc(painter);
        DrawGlobe(dc, loaded.View(), scene);
    }
    state.counters["records"] = static_cast<double>(loaded.globe.m_records.size());
}
BENCHMARK(BM_DrawGlobeDefaultView)->Unit(benchmark::kMillisecond);

// The areas with a point on the front side, projected once outside the
// timing, filled with their colours by QPainter alone.
void BM_BareFillOfTheGlobesPolygons(benchmark::State& state)
{
    LoadedGlobe& loaded = Loaded();
    if (!loaded.loaded) {
        state.SkipWithError("data/globe/japan.GLL does not read");
        return;
    }
    const GlobeView view = loaded.View();
    std::vector<QPolygon> polygons;
    for (const GllRecord& r : loaded.globe.m_records) {
        if (r.points.size() < 3 || r.type >= 100 || r.type == 3 || r.type == 4 || r.type == 6)
            continue;
        QPolygon polygon;
        bool front = false;
        for (const GlobePoint& p : r.points) {
            const ScreenPoint s = GlobeToScreen(view, p.lat, p.lon);
            front = front || s.front;
            polygon << QPoint(s.point.x, s.point.y);
        }
        if (front)
            polygons.push_back(std::move(polygon));
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(0, 0, kWidth, kHeight, QColor(0x8C, 0xD7, 0xF7));
        painter.setPen(Qt::black);
        painter.setBrush(QColor(0x48, 0xCA, 0x6C));
        for (const QPolygon& polygon : polygons)
            painter.drawPolygon(polygon);
    }
    state.counters["polygons"] = static_cast<double>(polygons.size());
}
BENCHMARK(BM_BareFillOfTheGlobesPolygons)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qb::bench
