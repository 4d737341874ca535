// Each Quarrenby operation beside the GDAL operation that does the same work.
#include "bench/BenchMain.h"

#include <benchmark/benchmark.h>
#include <gdal.h>
#include <gdal_utils.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

// Opens `path`, reads its whole first band into `buffer` as floats, closes it.
bool GdalReadWhole(const std::string& path, std::vector<float>& buffer, int cols, int rows)
{
    GDALDatasetH ds = GDALOpen(path.c_str(), GA_ReadOnly);
    if (!ds)
        return false;
    const bool ok = GDALGetRasterXSize(ds) == cols && GDALGetRasterYSize(ds) == rows &&
                    GDALRasterIO(GDALGetRasterBand(ds, 1), GF_Read, 0, 0, cols, rows, buffer.data(), cols, rows,
                                 GDT_Float32, 0, 0) == CE_None;
    GDALClose(ds);
    return ok;
}

void ReadWithGdal(benchmark::State& state, const std::string& path, int cols, int rows)
{
    std::vector<float> buffer(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (auto _ : state) {
        if (!GdalReadWhole(path, buffer, cols, rows)) {
            state.SkipWithError("GDAL could not read the fixture");
            break;
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}

using GridReader = int (CHeightGrid::*)(const std::string&);

// Reads `path` again and again into the same grid, as the program reloads a document.
void ReadWithQuarrenby(benchmark::State& state, const std::string& path, GridReader read, std::int64_t points)
{
    CHeightGrid grid;
    for (auto _ : state) {
        if (!(grid.*read)(path)) {
            state.SkipWithError("Quarrenby could not read the fixture");
            break;
        }
        benchmark::DoNotOptimize(grid.Heights());
    }
    state.SetItemsProcessed(state.iterations() * points);
}

void BM_ReadTile_Quarrenby(benchmark::State& state)
{
    ReadWithQuarrenby(state, Fixtures().TilePath(), &CHeightGrid::ReadTile, kTileCols * kTileRows);
}

void BM_ReadTile_GdalEnvi(benchmark::State& state)
{
    ReadWithGdal(state, Fixtures().TilePath(), kTileCols, kTileRows);
}

void BM_ReadTextMesh_Quarrenby(benchmark::State& state)
{
    ReadWithQuarrenby(state, Fixtures().MeshPath(), &CHeightGrid::ReadTextMesh, kMeshCols * kMeshRows);
}

void BM_ReadTextMesh_GdalJdem(benchmark::State& state)
{
    ReadWithGdal(state, Fixtures().MeshPath(), kMeshCols, kMeshRows);
}

// The grid is copied afresh, and the refined one freed, outside the timing.
void BM_Refine2_Quarrenby(benchmark::State& state)
{
    const std::vector<float>& heights = Fixtures().BigHeights();
    std::unique_ptr<CHeightGrid> grid;
    for (auto _ : state) {
        state.PauseTiming();
        grid.reset();
        grid = GridOf(heights, kBigCols, kBigRows);
        state.ResumeTiming();
        if (!grid->Refine(2, nullptr)) {
            state.SkipWithError("Refine failed");
            break;
        }
        benchmark::DoNotOptimize(grid->Heights());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(4) * kBigCols * kBigRows);
}

// The same heights as an in-memory GDAL dataset in geographic JGD2011.
GDALDatasetH BigMemDataset(const std::vector<float>& heights)
{
    GDALDatasetH ds = GDALCreate(GDALGetDriverByName("MEM"), "", kBigCols, kBigRows, 1, GDT_Float32, nullptr);
    if (!ds)
        return nullptr;
    const double dx = (CBenchFixtures::kBigEast - CBenchFixtures::kBigWest) / (kBigCols - 1);
    const double dy = (CBenchFixtures::kBigNorth - CBenchFixtures::kBigSouth) / (kBigRows - 1);
    std::array<double, 6> gt{CBenchFixtures::kBigWest - dx / 2, dx, 0.0, CBenchFixtures::kBigNorth + dy / 2, 0.0, -dy};
    GDALSetGeoTransform(ds, gt.data());
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    if (OSRImportFromEPSG(srs, 6668) == OGRERR_NONE)
        GDALSetSpatialRef(ds, srs);
    OSRDestroySpatialReference(srs);
    if (GDALRasterIO(GDALGetRasterBand(ds, 1), GF_Write, 0, 0, kBigCols, kBigRows,
                     const_cast<float*>(heights.data()), kBigCols, kBigRows, GDT_Float32, 0, 0) != CE_None) {
        GDALClose(ds);
        return nullptr;
    }
    return ds;
}

// gdalwarp -of MEM -r cubic -ts 9000 6000 -wo NUM_THREADS=1; the result is
// freed outside the timing.
void BM_Refine2_GdalWarpCubic(benchmark::State& state)
{
    GDALDatasetH source = BigMemDataset(Fixtures().BigHeights());
    if (!source) {
        state.SkipWithError("cannot make the MEM source");
        return;
    }
    const std::string width = std::to_string(2 * kBigCols);
    const std::string height = std::to_string(2 * kBigRows);
    std::vector<std::string> words{"-of", "MEM", "-r", "cubic", "-ts", width, height, "-wo", "NUM_THREADS=1"};
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    GDALWarpAppOptions* options = GDALWarpAppOptionsNew(argv.data(), nullptr);
    GDALDatasetH result = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        if (result)
            GDALClose(result);
        state.ResumeTiming();
        int usageError = 0;
        result = GDALWarp("", nullptr, 1, &source, options, &usageError);
        if (!result) {
            state.SkipWithError("GDALWarp failed");
            break;
        }
    }
    if (result)
        GDALClose(result);
    GDALWarpAppOptionsFree(options);
    GDALClose(source);
    state.SetItemsProcessed(state.iterations() * std::int64_t(4) * kBigCols * kBigRows);
}

} // namespace

BENCHMARK(BM_ReadTile_Quarrenby)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTile_GdalEnvi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTextMesh_Quarrenby)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadTextMesh_GdalJdem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Refine2_Quarrenby)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refine2_GdalWarpCubic)->Unit(benchmark::kMillisecond);

} // namespace qb::bench
