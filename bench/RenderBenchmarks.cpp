// Drawing the 2-D view of the sample area (cell 6443-20, 5 m, 2250 x 1500
// points) at 1600 x 1200 into an image, as contour lines and as colour bands
// with place names, and placing 1,000 candidate labels.
#include "bench/GuiApp.h"
#include "bench/SampleArea.h"
#include "places/NameText.h"
#include "platform/qt/QPainterDrawContext.h"
#include "tests/support/RecordingDrawContext.h"
#include "views/LabelPlacement.h"
#include "views/Viewer2D.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

constexpr DrawRect kClient{0, 0, 1600, 1200};
constexpr int kCandidates = 1000;

// `count` names of every kind with Japanese texts, at random points of a
// columns x rows grid; the same for the same seed.
std::vector<PlaceRecord> RandomNames(int count, int columns, int rows)
{
    std::mt19937 random(20161001);
    std::uniform_int_distribution<int> col(0, columns - 1), row(0, rows - 1), height(0, 2000);
    std::vector<PlaceRecord> names(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        PlaceRecord& r = names[static_cast<std::size_t>(i)];
        r.kind = i % kPlaceKindCount;
        r.col = col(random);
        r.row = row(random);
        r.height = static_cast<float>(height(random));
        r.SetName(PlaceNameFromUtf8("地名" + std::to_string(i) + (i % 3 == 0 ? "岳" : "沢")));
    }
    return names;
}

// The 1,000 names spread over the sample area.
const std::vector<PlaceRecord>& SampleNames()
{
    const CHeightGrid& grid = Sample().session.Doc().Grid();
    static const std::vector<PlaceRecord> names = RandomNames(kCandidates, grid.m_nCols, grid.m_nRows);
    return names;
}

// One frame of the 2-D view with names: state.range(0) is the method
// (0 contour lines, 1 colour bands). The automatic choice draws up to 20 of
// the 1,000 names.
void BM_Draw2DSampleArea(benchmark::State& state)
{
    EnsureGui();
    SampleArea& area = Sample();
    if (!area.opened) {
        state.SkipWithError("the sample area did not open");
        return;
    }
    CViewer2D viewer;
    viewer.m_nMethod = static_cast<int>(state.range(0));
    viewer.Attach(area.session.Doc().Grid(), std::nullopt, false);
    CLabelPlacement placement;
    viewer.SetLabelPlacer(&placement);
    std::vector<PlaceRecord> names = SampleNames();
    viewer.SetNames(names.data(), static_cast<int>(names.size()));
    QImage image(kClient.right, kClient.bottom, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CQPainterDrawContext dc(painter);
        dc.FillRect(kClient, Rgb(255, 255, 255));
        viewer.Draw(dc, kClient);
    }
    state.counters["labels"] = viewer.LabelsDrawn();
}
BENCHMARK(BM_Draw2DSampleArea)->ArgName("bands")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Anchors of the candidates spread over the client area.
std::vector<DrawPoint> Anchors()
{
    std::mt19937 random(1);
    std::uniform_int_distribution<int> x(0, kClient.right - 1), y(0, kClient.bottom - 1);
    std::vector<DrawPoint> anchors(kCandidates);
    for (DrawPoint& p : anchors)
        p = DrawPoint{x(random), y(random)};
    return anchors;
}

// One pass over 1,000 candidates: each label searched for a free place and,
// where one is found, drawn.
void PlaceAll(CLabelPlacement& placement, IDrawContext& dc, const std::vector<DrawPoint>& anchors,
              const std::vector<PlaceRecord>& names)
{
    placement.Reset(kClient);
    for (std::size_t i = 0; i < anchors.size(); ++i)
        placement.Place(dc, anchors[i].x, anchors[i].y, names[i], LabelStyle::TwoD);
}

// Into an image with the real fonts: measuring and drawing included.
void BM_PlaceLabels1000_Image(benchmark::State& state)
{
    EnsureGui();
    const std::vector<DrawPoint> anchors = Anchors();
    const std::vector<PlaceRecord> names = RandomNames(kCandidates, 1, 1);
    CLabelPlacement placement;
    QImage image(kClient.right, kClient.bottom, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CQPainterDrawContext dc(painter);
    for (auto _ : state)
        PlaceAll(placement, dc, anchors, names);
    state.counters["placed"] = static_cast<double>(placement.Placed().size());
}
BENCHMARK(BM_PlaceLabels1000_Image)->Unit(benchmark::kMillisecond);

// With a drawing context that only records: the search for free places.
void BM_PlaceLabels1000_Search(benchmark::State& state)
{
    EnsureGui();
    const std::vector<DrawPoint> anchors = Anchors();
    const std::vector<PlaceRecord> names = RandomNames(kCandidates, 1, 1);
    CLabelPlacement placement;
    test::CRecordingDrawContext dc;
    for (auto _ : state) {
        dc.Clear();
        PlaceAll(placement, dc, anchors, names);
    }
    state.counters["placed"] = static_cast<double>(placement.Placed().size());
}
BENCHMARK(BM_PlaceLabels1000_Search)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qb::bench
