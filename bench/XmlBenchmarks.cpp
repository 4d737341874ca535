// Reading the agency's elevation XML: single files through ImportXml, and
// whole conversions of an archive or a folder into a database folder.
#include "bench/BenchMain.h"

#include "terrain/ByteSource.h"
#include "terrain/XmlConversion.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace qb::bench {
namespace {

// Calls `import(grid, i)` for every input i once per iteration, all into one
// grid as a conversion does; the rates are per second of the thread's CPU
// time, which other work on the machine does not stretch. Tiles holding no height at all are read in full
// but return 0, so only a run in which nothing imported counts as an error.
template <typename Import>
void ImportEach(benchmark::State& state, std::size_t count, std::int64_t bytes, Import import)
{
    CHeightGrid grid;
    std::int64_t imported = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            imported += import(grid, i);
            benchmark::DoNotOptimize(grid.Heights());
        }
    }
    if (imported == 0)
        state.SkipWithError("ImportXml read nothing");
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["tiles"] =
        benchmark::Counter(static_cast<double>(state.iterations() * std::int64_t(count)), benchmark::Counter::kIsRate);
}

void BM_ImportXml5m_Memory(benchmark::State& state)
{
    CXmlFixtures& xml = XmlFixtures();
    const auto& members = xml.Members();
    ImportEach(state, members.size(), xml.MemberBytes(), [&](CHeightGrid& grid, std::size_t i) {
        CMemoryByteSource source(members[i].bytes);
        return grid.ImportXml(source, members[i].name, false);
    });
}

void BM_ImportXml5m_Files(benchmark::State& state)
{
    CXmlFixtures& xml = XmlFixtures();
    const auto& files = xml.UnpackedFiles();
    ImportEach(state, files.size(), xml.MemberBytes(),
               [&](CHeightGrid& grid, std::size_t i) { return grid.ImportXml(files[i], false); });
}

void BM_ImportXml10m_Memory(benchmark::State& state)
{
    const std::string& text = XmlFixtures().Tile10mText();
    ImportEach(state, 1, static_cast<std::int64_t>(text.size()), [&](CHeightGrid& grid, std::size_t) {
        CMemoryByteSource source(text);
        return grid.ImportXml(source, "dem10m.xml", false);
    });
}

void BM_ImportXml10m_File(benchmark::State& state)
{
    CXmlFixtures& xml = XmlFixtures();
    const std::string& path = xml.Tile10mFile();
    ImportEach(state, 1, static_cast<std::int64_t>(xml.Tile10mText().size()),
               [&](CHeightGrid& grid, std::size_t) { return grid.ImportXml(path, false); });
}

// ImportXmlFolder of `input` into a fresh empty database folder each
// iteration; making and removing the folder are outside the timing, which is
// wall-clock time since every tile written is synced to the disk. The
// "tiles" rate counts the XML files found and read, "written" the tiles
// written by the last iteration.
void ConvertInto(benchmark::State& state, const std::string& input)
{
    CXmlFixtures& xml = XmlFixtures();
    const auto expected = static_cast<int>(xml.Members().size());
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<test::CTempDir>();
        state.ResumeTiming();
        XmlFolderJob job;
        job.databaseFolder = database->Path();
        XmlFolderSummary summary;
        ImportXmlFolder({input}, job, summary);
        state.PauseTiming();
        written = summary.converted;
        database.reset();
        state.ResumeTiming();
        if (summary.found != expected || written == 0) {
            state.SkipWithError("the conversion did not read every XML file");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * xml.MemberBytes());
    state.counters["tiles"] =
        benchmark::Counter(static_cast<double>(state.iterations() * expected), benchmark::Counter::kIsRate);
    state.counters["written"] = written;
}

void BM_ConvertXml5m_Zip(benchmark::State& state)
{
    ConvertInto(state, CXmlFixtures::ArchivePath());
}

void BM_ConvertXml5m_Folder(benchmark::State& state)
{
    ConvertInto(state, XmlFixtures().UnpackedFolder());
}

} // namespace

BENCHMARK(BM_ImportXml5m_Memory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXml5m_Files)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXml10m_Memory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXml10m_File)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertXml5m_Zip)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertXml5m_Folder)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace qb::bench
