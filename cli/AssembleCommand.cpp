#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "terrain/AreaAssembly.h"

#include <cstdio>

namespace qb::cli {

int RunAssemble(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    const auto kind = ParseNumber(args.Option("--kind").value_or(""));
    const auto west = ParseNumber(args.Option("--west").value_or(""));
    const auto east = ParseNumber(args.Option("--east").value_or(""));
    const auto south = ParseNumber(args.Option("--south").value_or(""));
    const auto north = ParseNumber(args.Option("--north").value_or(""));
    if (!args.words.empty() || !kind || *kind < 1 || *kind > 10 || *kind != static_cast<int>(*kind) || !west ||
        !east || !south || !north)
        return UsageError("assemble takes --database DIR --kind 1..10 --west W --east E --south S --north N");
    Session session;
    CAssemblyContext context;
    context.databaseFolder = args.Option("--database").value_or(ConfiguredDatabaseFolder());
    context.messages = &session.messages;
    CAreaRecords records;
    CConsoleProgress progress("Looking for tiles");
    // The assembly takes longitudes negated, as the web map keeps them.
    const int k = static_cast<int>(*kind);
    if (!AssembleArea(records, k, -*west, -*east, *south, *north, context, &progress)) {
        if (session.messages.Count() == 0)
            PrintError("選択した範囲にファイルは見つかりませんでした。");
        return kExitFailure;
    }
    const CAreaRecord& record = records.RecordForKind(k);
    if (args.Has("--json")) {
        CJsonObject json;
        json.Add("baseFile", record.BaseFile())
            .Add("across", record.Across())
            .Add("down", record.Down())
            .Add("baseX", record.BaseColumn())
            .Add("baseY", record.BaseRow());
        std::puts(json.Text().c_str());
    } else {
        std::printf("Base file:  %s\n", record.BaseFile().c_str());
        std::printf("Tiles:      %d across, %d down\n", record.Across(), record.Down());
        std::printf("Base tile:  column %d, row %d\n", record.BaseColumn(), record.BaseRow());
    }
    return kExitOk;
}

} // namespace qb::cli
