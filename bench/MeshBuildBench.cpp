// qb_mesh_bench: the seconds and the peak memory of the renderer's mesh build.
//   qb_mesh_bench sample [RUNS]   the sample area, 2250 x 1500 points
//   qb_mesh_bench hybrid [RUNS]   9000 x 6000 points made of the sample area's
//                                 real heights, mirrored 4 x 4 times
// Each run builds the mesh of the rendering view's default fineness and
// colours (scheme 5) from heights sampled beforehand, as the view hands them
// over. Prints the fastest and the median run, the peak resident memory
// during the first build (the heights handed in included) and the ratios
// against the limits.
#include "bench/HybridGrid.h"
#include "bench/SampleArea.h"
#include "colour/ApplyColorScheme.h"
#include "platform/MemorySettingsStore.h"
#include "render3d/MeshBuild.h"
#include "render3d/ViewSampling.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

constexpr std::int64_t kResolution = 67'108'864;
constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

// VmHWM: the process's peak resident memory in bytes since the last reset.
double PeakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) * 1024.0;
    return 0;
}

// Lets VmHWM start again from what is resident now.
void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Limits {
    double seconds = 0;
    double peakBytes = 0; // 0: no limit
};

MeshInput InputOf(const SampledGrid& samples, int meshSize)
{
    MeshInput input;
    input.columns = samples.columns;
    input.rows = samples.rows;
    input.colSpacing = input.rowSpacing = meshSize * samples.step;
    input.heights = samples.heights;
    CMemorySettingsStore store;
    ApplyColorScheme(store, input.colours, 5);
    return input;
}

int Measure(const char* name, const SampledGrid& samples, int meshSize, int runs, Limits limits)
{
    const MeshInput input = InputOf(samples, meshSize);
    std::vector<double> seconds;
    double peak = 0;
    TerrainMesh mesh;
    for (int run = 0; run < runs; ++run) {
        mesh = TerrainMesh{};
        ResetPeak();
        const auto start = std::chrono::steady_clock::now();
        if (BuildMesh(input, nullptr, mesh) != 1) {
            std::fprintf(stderr, "%s: the mesh was not built\n", name);
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peak = std::max(peak, PeakResidentBytes());
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("%s: %d x %d samples (step %.2f), %lld vertices, %lld triangles, %d blocks\n", name, samples.columns,
                samples.rows, samples.step, static_cast<long long>(mesh.VertexCount()),
                static_cast<long long>(mesh.TriangleCount()), mesh.layout.BlockCount());
    std::printf("  BuildMesh: fastest %.3f s, median %.3f s of %d runs; limit %.1f s, ratio %.2f\n", seconds.front(),
                median, runs, limits.seconds, median / limits.seconds);
    std::printf("  peak resident during a build: %.3f GiB", peak / kGiB);
    if (limits.peakBytes > 0)
        std::printf("; limit %.1f GiB, ratio %.2f", limits.peakBytes / kGiB, peak / limits.peakBytes);
    std::printf("\n");
    return 0;
}

int RunSample(int runs)
{
    SampleArea area;
    if (!area.opened) {
        std::fprintf(stderr, "the sample area did not open\n");
        return 1;
    }
    const CHeightGrid& grid = area.Grid();
    const GridRange whole{0, 0, grid.m_nCols - 1, grid.m_nRows - 1};
    const SampledGrid samples = SampleRange(grid, whole, kResolution, 1.0);
    return Measure("sample area", samples, grid.m_nMeshSize, runs, {0.5, 0});
}

int RunHybrid(int runs)
{
    SampledGrid samples;
    int meshSize = 0;
    {
        SampleArea area;
        if (!area.opened) {
            std::fprintf(stderr, "the sample area did not open\n");
            return 1;
        }
        samples = MirroredGrid(area.Grid(), 4, 4);
        meshSize = area.Grid().m_nMeshSize;
    }
    return Measure("hybrid", samples, meshSize, runs, {3.0, 1.5 * kGiB});
}

} // namespace
} // namespace qb::bench

int main(int argc, char** argv)
{
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (argc > 1 && std::strcmp(argv[1], "sample") == 0)
        return qb::bench::RunSample(runs);
    if (argc > 1 && std::strcmp(argv[1], "hybrid") == 0)
        return qb::bench::RunHybrid(runs);
    std::fputs("Usage: qb_mesh_bench sample|hybrid [RUNS]\n", stderr);
    return 2;
}
