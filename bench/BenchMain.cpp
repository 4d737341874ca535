// qb_bench: Google Benchmark with the fixtures made in a scratch folder first.
//   qb_bench [benchmark options]            run the benchmarks
//   qb_bench --write-fixtures FOLDER        write the fixture files (with big.3dm) and stop
//   qb_bench --write-xml-fixtures FOLDER    write the XML inputs (dem5a/*.xml, dem10m.xml) and stop
//   qb_bench --write-join-fixtures FOLDER   write the database of the join benchmarks (10m/, 5m/) and stop
#include "bench/BenchMain.h"
#include "bench/JoinFixtures.h"

#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <cpl_conv.h>
#include <gdal.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

namespace qb::bench {
namespace {
std::unique_ptr<CBenchFixtures> g_fixtures;
std::unique_ptr<CXmlFixtures> g_xmlFixtures;
} // namespace

CBenchFixtures& Fixtures()
{
    return *g_fixtures;
}

CXmlFixtures& XmlFixtures()
{
    return *g_xmlFixtures;
}

} // namespace qb::bench

int main(int argc, char** argv)
{
    GDALAllRegister();
    CPLSetConfigOption("GDAL_NUM_THREADS", "1");
    CPLSetConfigOption("GDAL_PAM_ENABLED", "NO");
    try {
        if (argc == 3 && std::strcmp(argv[1], "--write-fixtures") == 0) {
            qb::bench::CBenchFixtures files(argv[2], true);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "--write-xml-fixtures") == 0) {
            qb::bench::CXmlFixtures(argv[2]).WriteAll();
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "--write-join-fixtures") == 0) {
            qb::bench::CJoinFixtures files(argv[2]);
            return 0;
        }
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 2;
        qb::test::CTempDir folder;
        qb::bench::g_fixtures = std::make_unique<qb::bench::CBenchFixtures>(folder.Path(), false);
        qb::bench::g_xmlFixtures = std::make_unique<qb::bench::CXmlFixtures>(folder.Path());
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        qb::bench::g_fixtures.reset();
        qb::bench::g_xmlFixtures.reset();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qb_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
