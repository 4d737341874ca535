// Place names: loading the system file and fitting it to a grid, and
// converting a tile's own names between datums with the indexed and with the
// linear search for the nearest system name.
#include "places/PlaceFile.h"
#include "places/PlaceFitting.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/PlaceFiles.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

namespace qb::bench {
namespace {

constexpr int kNames = 100000;

// A place file of n names spread along a band like the islands of Japan,
// each with a datum shift that varies smoothly as the real one does; the
// same for the same seed. Format 3, or format 2 (old pairs only).
std::string GeneratedPlaceFile(int n, std::uint32_t seed, int format)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> along(0.0, 1.0);
    std::normal_distribution<double> across(0.0, 0.6);
    std::uniform_int_distribution<int> kind(0, 13);
    std::uniform_int_distribution<int> tenths(0, 37760);
    test::PlaceHeaderSpec header;
    header.format = format;
    header.count = n % 100000;
    std::string text = test::PlaceHeader(header);
    for (int i = 0; i < n; ++i) {
        const double t = along(random);
        const double lat = 31.0 + 14.0 * t + across(random);
        const double lon = 129.5 + 16.0 * t + across(random);
        char name[16];
        std::snprintf(name, sizeof name, "P%d", i);
        const int k = kind(random);
        const int h = tenths(random);
        if (format == 2) {
            text += test::Format2Line(k, h, lat, lon, name);
            continue;
        }
        const double dLat = 0.0032 + 0.0004 * std::sin(lon * 0.7) - 0.00002 * (lat - 35.0);
        const double dLon = -0.0032 + 0.0005 * std::cos(lat * 0.9) + 0.00003 * (lon - 138.0);
        text += test::Format3Line(k, h, lat, lon, lat + dLat, lon + dLon, name);
    }
    return text;
}

// The place files of these benchmarks, written on first use: a system file
// and a tile's own file (format 2, old pairs only) of 100,000 names each.
struct PlaceFixtures {
    test::CTempDir dir;
    std::string tilePath;
    PlaceFixtures()
    {
        test::WriteFileBytes(dir.File("tessim2.pln"), GeneratedPlaceFile(kNames, 11, 3));
        test::WriteFileBytes(dir.File("tile.pln"), GeneratedPlaceFile(kNames, 12, 2));
        tilePath = dir.File("tile.3dm");
    }
    PlaceFolders Folders() const { return PlaceFolders{dir.Path(), dir.Path()}; }
};

PlaceFixtures& Places()
{
    static PlaceFixtures fixtures;
    return fixtures;
}

// A grid of a joined area, 0.5 degree a side, in the crowded middle of the
// generated names; old datum, so that a tile's file is found beside it.
std::unique_ptr<CHeightGrid> AreaGrid()
{
    auto grid = std::make_unique<CHeightGrid>();
    test::FillGrid(*grid, 4500, 3000, [](int, int) { return 500.0f; }, 37.75f, 38.25f, 137.25f, 137.75f);
    grid->m_nMeshSize = grid->m_nMeshSize2 = 10;
    grid->m_bNewDatum = 0;
    return grid;
}

// Times `load` (which gives the number of names read) and the fit after it.
template <class Load>
void LoadAndFit(benchmark::State& state, CPlaceTables& tables, const CHeightGrid& grid, Load load)
{
    for (auto _ : state) {
        if (load() != kNames) {
            state.SkipWithError("a place file was not read");
            break;
        }
        FitPlaces(tables, grid);
        benchmark::DoNotOptimize(tables.Display().Count());
    }
    state.counters["shown"] = tables.Display().Count();
    state.SetItemsProcessed(state.iterations() * kNames);
}

void BM_LoadSystemPlacesAndFit(benchmark::State& state)
{
    const auto grid = AreaGrid();
    CPlaceTables tables;
    CPlaceFiles files(tables, *grid, Places().Folders(), nullptr);
    LoadAndFit(state, tables, *grid, [&] {
        tables.Display().Clear();
        return files.LoadSystemPlaces();
    });
}

// Reads the tile's 100,000 format-2 names (each converted to the new datum
// by the nearest of 100,000 system names) into the user table and fits.
void FitTileNames(benchmark::State& state, CPlaceTables::Search search)
{
    const auto grid = AreaGrid();
    CPlaceTables tables;
    CPlaceFiles files(tables, *grid, Places().Folders(), nullptr);
    files.LoadSystemPlaces();
    tables.SetSearch(search);
    LoadAndFit(state, tables, *grid, [&] {
        tables.User().Clear();
        return files.ReadPlaces(Places().tilePath, tables.User(), kNames, false, 1);
    });
}

void BM_FitFormat2Names_Indexed(benchmark::State& state)
{
    FitTileNames(state, CPlaceTables::Search::Indexed);
}

void BM_FitFormat2Names_Linear(benchmark::State& state)
{
    FitTileNames(state, CPlaceTables::Search::Linear);
}

} // namespace

BENCHMARK(BM_LoadSystemPlacesAndFit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitFormat2Names_Indexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitFormat2Names_Linear)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace qb::bench
