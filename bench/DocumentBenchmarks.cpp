// Joining a 4 x 4 block of 10 m tiles beside reading the same bytes and beside
// GDAL building the same mosaic, and opening the block as a 5 m + 10 m hybrid
// document.
#include "bench/JoinFixtures.h"

#include "app/DocumentHost.h"
#include "app/TessimApp.h"
#include "app/TessimDoc.h"
#include "platform/JobRunner.h"
#include "platform/MemorySettingsStore.h"
#include "platform/PosixSystemServices.h"
#include "terrain/AreaAssembly.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <gdal.h>
#include <gdal_utils.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

// Written on first use into a scratch folder of its own, removed at exit.
CJoinFixtures& JoinFixtures()
{
    static test::CTempDir folder;
    static CJoinFixtures fixtures(folder.Path());
    return fixtures;
}

constexpr std::int64_t kBlockPoints =
    std::int64_t(CJoinFixtures::kAcross) * CJoinFixtures::kTileCols * CJoinFixtures::kDown * CJoinFixtures::kTileRows;

// Every iteration builds a new grid, as opening an area does (the join frees the old heights first).
void BM_Join4x4_Quarrenby(benchmark::State& state)
{
    const CJoinFixtures& fixtures = JoinFixtures();
    CHeightGrid grid;
    for (auto _ : state) {
        if (!grid.JoinTiles(fixtures.Tiles10m(), fixtures.Area10m(), nullptr, kMesh10m, 1)) {
            state.SkipWithError("JoinTiles failed");
            break;
        }
        benchmark::DoNotOptimize(grid.Heights());
    }
    state.SetBytesProcessed(state.iterations() * fixtures.Bytes10m());
    state.SetItemsProcessed(state.iterations() * kBlockPoints);
}

// The floor: fread of the 16 files, one after another, into one new buffer.
void BM_Join4x4_ReadBytes(benchmark::State& state)
{
    const CJoinFixtures& fixtures = JoinFixtures();
    const auto total = static_cast<std::size_t>(fixtures.Bytes10m());
    for (auto _ : state) {
        std::unique_ptr<char[]> buffer(new char[total]);
        std::size_t filled = 0;
        for (const std::string& path : fixtures.Tiles10m()) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            if (!file)
                break;
            filled += std::fread(buffer.get() + filled, 1, total - filled, file);
            std::fclose(file);
        }
        if (filled != total) {
            state.SkipWithError("cannot read the tiles");
            break;
        }
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * fixtures.Bytes10m());
    state.SetItemsProcessed(state.iterations() * kBlockPoints);
}

std::vector<char*> Arguments(std::vector<std::string>& words)
{
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    return argv;
}

// gdalbuildvrt over the 16 tiles (read through their ENVI headers), then
// gdal_translate of the VRT into an in-memory raster; both datasets closed
// in every iteration.
void BM_Join4x4_GdalVrtTranslate(benchmark::State& state)
{
    const CJoinFixtures& fixtures = JoinFixtures();
    std::vector<const char*> names;
    for (const std::string& path : fixtures.Tiles10m())
        names.push_back(path.c_str());
    std::vector<std::string> vrtWords;
    std::vector<std::string> translateWords{"-of", "MEM"};
    GDALBuildVRTOptions* vrtOptions = GDALBuildVRTOptionsNew(Arguments(vrtWords).data(), nullptr);
    GDALTranslateOptions* translateOptions = GDALTranslateOptionsNew(Arguments(translateWords).data(), nullptr);
    for (auto _ : state) {
        int usageError = 0;
        GDALDatasetH vrt = GDALBuildVRT("", int(names.size()), nullptr, names.data(), vrtOptions, &usageError);
        GDALDatasetH mosaic = vrt ? GDALTranslate("", vrt, translateOptions, &usageError) : nullptr;
        const bool ok = mosaic && GDALGetRasterXSize(mosaic) == CJoinFixtures::kAcross * CJoinFixtures::kTileCols &&
                        GDALGetRasterYSize(mosaic) == CJoinFixtures::kDown * CJoinFixtures::kTileRows;
        if (mosaic)
            GDALClose(mosaic);
        if (vrt)
            GDALClose(vrt);
        if (!ok) {
            state.SkipWithError("GDAL did not build the 4500 x 3000 mosaic");
            break;
        }
    }
    GDALTranslateOptionsFree(translateOptions);
    GDALBuildVRTOptionsFree(vrtOptions);
    state.SetBytesProcessed(state.iterations() * fixtures.Bytes10m());
    state.SetItemsProcessed(state.iterations() * kBlockPoints);
}

struct CBenchHost final : IDocumentHost {
    bool CloseOtherDocuments(CTessimDoc&) override { return true; }
    void SetStatusText(std::string_view) override {}
};

struct CBenchJobs final : IJobRunner {
    bool RunJob(int, const std::function<int(IProgress&)>& job) override
    {
        test::CScriptedProgress progress;
        return job(progress) == 1;
    }
};

// The whole open of the block with mesh setting 3: the 10 m join, the
// refinement to 9000 x 6000 points, the 5 m overlay and the place names. The
// tiles were looked for once beforehand; the document is discarded outside
// the timing.
void BM_OpenHybrid_Quarrenby(benchmark::State& state)
{
    const CJoinFixtures& fixtures = JoinFixtures();
    CMemorySettingsStore settings;
    settings.WriteSettingString("FileInit", "PlnDir", fixtures.Folder() + "/place");
    CPosixSystemServices system;
    test::CRecordingMessageSink messages;
    CTessimApp app(settings, system, messages);
    app.m_strDatabaseFolder = fixtures.Folder();
    app.m_nMapKind = kMeshHybrid5m10m;
    const CHybridResult found =
        AssembleHybrid(app.m_area, kMeshHybrid5m10m, -CJoinFixtures::kWest, -CJoinFixtures::kEast,
                       CJoinFixtures::kSouth, CJoinFixtures::kNorth, {fixtures.Folder(), "", &messages}, nullptr);
    app.m_bFound5m = found.found5m;
    if (!found.assembled || !found.found5m) {
        state.SkipWithError("the hybrid area was not found");
        return;
    }
    CBenchHost host;
    CBenchJobs jobs;
    std::unique_ptr<CTessimDoc> doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.reset();
        app.m_nOpenMode = 1;
        doc = std::make_unique<CTessimDoc>(app, host, jobs);
        state.ResumeTiming();
        if (!doc->OpenDocument(app.m_area.base.BaseFile()) || doc->Grid().m_nCols != 9000) {
            state.SkipWithError("the hybrid open failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 4 * kBlockPoints);
}

} // namespace

BENCHMARK(BM_Join4x4_Quarrenby)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Join4x4_ReadBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Join4x4_GdalVrtTranslate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHybrid_Quarrenby)->Unit(benchmark::kMillisecond);

} // namespace qb::bench
