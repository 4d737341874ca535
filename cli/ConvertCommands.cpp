#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "terrain/XmlConversion.h"

#include <cstdio>

namespace qb::cli {

int RunImport(const Arguments& args)
{
    if (args.words.size() != 2)
        return UsageError("import takes FILE.xml OUT.3dm");
    if (FileTypeOfPath(args.words[1]) != kFile3dm)
        return UsageError("the output of import is a .3dm file");
    Session session;
    CHeightGrid grid(session.Env());
    if (!grid.ImportXml(args.words[0], true)) {
        if (session.messages.Count() == 0)
            PrintError("標高データが読み込めません: " + args.words[0]);
        return kExitFailure;
    }
    if (!grid.WriteTile(args.words[1], TileWriteMode::Replace)) {
        PrintError("ファイルが書き込めません: " + args.words[1]);
        return kExitFailure;
    }
    return kExitOk;
}

namespace {

void PrintSummary(const XmlFolderSummary& summary, bool json)
{
    if (!json) {
        std::printf("Found %d, converted %d, kept %d (an existing better tile stayed), failed %zu\n",
                    summary.found, summary.converted, summary.kept, summary.failures.size());
        for (const auto& failure : summary.failures)
            std::printf("  failed: %s: %s\n", failure.source.c_str(), failure.reason.c_str());
        return;
    }
    std::string failures = "[";
    for (const auto& failure : summary.failures) {
        if (failures.size() > 1)
            failures += ',';
        failures += CJsonObject().Add("file", failure.source).Add("reason", failure.reason).Text();
    }
    failures += ']';
    std::string text = CJsonObject()
                           .Add("found", summary.found)
                           .Add("converted", summary.converted)
                           .Add("kept", summary.kept)
                           .Add("failed", static_cast<int>(summary.failures.size()))
                           .Text();
    text.insert(text.size() - 1, ",\"failures\":" + failures);
    std::puts(text.c_str());
}

} // namespace

int RunConvert(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    if (args.words.empty())
        return UsageError("convert takes one or more folders, .zip archives or .xml files");
    XmlFolderJob job;
    job.databaseFolder = args.Option("--database").value_or(ConfiguredDatabaseFolder());
    if (job.databaseFolder.empty())
        return UsageError("no database folder: give --database DIR");
    Session session;
    CConsoleProgress progress("Converting");
    job.messages = &session.messages;
    job.progress = &progress;
    XmlFolderSummary summary;
    const int result = ImportXmlFolder(args.words, job, summary);
    progress.Report(summary.found, summary.found);
    PrintSummary(summary, args.Has("--json"));
    return result ? kExitOk : kExitFailure;
}

} // namespace qb::cli
