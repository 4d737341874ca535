// Frames of the rendering view drawn offscreen through OpenGL (EGL, Mesa's
// llvmpipe here) for the sample area (2,250 x 1,500 points) and a 9,000 x
// 6,000 grid: the whole frame at full detail, the bare draw calls of the
// same buffers (the rasteriser's own limit), and the frame at the detail a
// drag picks from the full frame's time.
#include "bench/SampleArea.h"
#include "colour/ApplyColorScheme.h"
#include "platform/JobRunner.h"
#include "platform/MemorySettingsStore.h"
#include "render3d/DragDetail.h"
#include "render3d/MeshBuild.h"
#include "render3d/RenderCamera.h"
#include "render3d/gl/EglOffscreen.h"
#include "render3d/gl/GlRenderDevice.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

constexpr int kWidth = 1280, kHeight = 960;
constexpr int kBigColumns = 9000, kBigRows = 6000;
constexpr int kDefaultScheme = 5;

// A grid's mesh on the GPU with the rendering view's starting camera.
struct FrameScene {
    TerrainMesh mesh;
    CEglOffscreen target;
    CGlRenderDevice device;
    RenderCamera camera;
    std::string error;
    double fullSeconds = 0; // one full frame, timed when the scene is made
};

double TimeFrame(FrameScene& scene, const RenderFrame& frame)
{
    const auto start = std::chrono::steady_clock::now();
    scene.device.Draw(frame);
    scene.device.Api().Finish();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool MakeScene(FrameScene& scene, std::span<const float> heights, int columns, int rows, double spacing)
{
    MeshInput input{columns, rows, spacing, spacing, heights, {}, 1};
    CMemorySettingsStore settings;
    ApplyColorScheme(settings, input.colours, kDefaultScheme);
    if (!BuildMesh(input, nullptr, scene.mesh)) {
        scene.error = "nothing to build";
        return false;
    }
    if (!scene.target.Open(kWidth, kHeight, scene.error) ||
        !scene.device.Attach(CEglOffscreen::Resolver(), scene.error))
        return false;
    scene.device.SetMesh(&scene.mesh);
    scene.camera.SetScene(scene.mesh.target, scene.mesh.extent);
    const RenderFrame frame = scene.camera.Frame(kWidth, kHeight);
    TimeFrame(scene, frame); // uploads the buffers
    scene.fullSeconds = TimeFrame(scene, frame);
    return true;
}

FrameScene& SampleScene()
{
    static FrameScene scene;
    static const bool made = [] {
        const CHeightGrid& grid = Sample().session.Doc().Grid();
        if (!Sample().opened) {
            scene.error = "the sample area did not open";
            return false;
        }
        const std::span<const float> heights(grid.Heights(), std::size_t(grid.m_nCols) * std::size_t(grid.m_nRows));
        return MakeScene(scene, heights, grid.m_nCols, grid.m_nRows, grid.GetMeshSize());
    }();
    (void)made;
    return scene;
}

// Long waves, a ridge and fine relief, 0 to about 2,000 m, 5 m apart.
std::vector<float> BigHeights()
{
    std::vector<float> heights(std::size_t(kBigColumns) * std::size_t(kBigRows));
    for (int row = 0; row < kBigRows; ++row)
        for (int col = 0; col < kBigColumns; ++col) {
            const double x = col / double(kBigColumns), y = row / double(kBigRows);
            const double h = 900 + 500 * std::sin(6.1 * x + 1.3) * std::cos(4.7 * y) +
                             400 * std::exp(-40 * (x - y) * (x - y)) + 30 * std::sin(700 * x) * std::sin(530 * y);
            heights[std::size_t(row) * kBigColumns + std::size_t(col)] = float(std::max(0.0, h));
        }
    return heights;
}

FrameScene& BigScene()
{
    static FrameScene scene;
    static const bool made = [] {
        const std::vector<float> heights = BigHeights();
        return MakeScene(scene, heights, kBigColumns, kBigRows, 5);
    }();
    (void)made;
    return scene;
}

FrameScene* SceneOf(benchmark::State& state)
{
    FrameScene& scene = state.range(0) == 0 ? SampleScene() : BigScene();
    if (!scene.device.Attached()) {
        state.SkipWithError(scene.error.c_str());
        return nullptr;
    }
    // Each grid has a context of its own.
    scene.target.MakeCurrent();
    state.counters["triangles"] = double(scene.mesh.TriangleCount());
    return &scene;
}

void BM_FrameFull(benchmark::State& state)
{
    FrameScene* scene = SceneOf(state);
    if (!scene)
        return;
    const RenderFrame frame = scene->camera.Frame(kWidth, kHeight);
    for (auto _ : state)
        TimeFrame(*scene, frame);
}

void BM_FrameBareDraw(benchmark::State& state)
{
    FrameScene* scene = SceneOf(state);
    if (!scene)
        return;
    const RenderFrame frame = scene->camera.Frame(kWidth, kHeight);
    for (auto _ : state) {
        scene->device.DrawTerrainOnly(frame);
        scene->device.Api().Finish();
    }
}

void BM_FrameDrag(benchmark::State& state)
{
    FrameScene* scene = SceneOf(state);
    if (!scene)
        return;
    RenderFrame frame = scene->camera.Frame(kWidth, kHeight);
    // Argument 1: a detail of its own; 0 the one a drag picks from the full frame's time.
    frame.detail = state.range(1) > 0 ? int(state.range(1)) : DragDetail(scene->fullSeconds);
    for (auto _ : state)
        TimeFrame(*scene, frame);
    state.counters["detail"] = frame.detail;
}

// Argument 0: the sample area; 1: the 9,000 x 6,000 grid.
BENCHMARK(BM_FrameFull)->ArgName("big")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FrameBareDraw)->ArgName("big")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FrameDrag)
    ->ArgNames({"big", "detail"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 16})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);

} // namespace
} // namespace qb::bench
