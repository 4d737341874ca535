#include "app/SearchFolderCommand.h"

#include "app/OpenFromMapCommand.h"
#include "app/TessimApp.h"
#include "platform/FolderChooser.h"
#include "platform/JobRunner.h"
#include "terrain/MapZoom.h"
#include "terrain/ProgressJob.h"
#include "terrain/XmlConversion.h"

#include <algorithm>
#include <cstdio>

namespace qb {
namespace {

constexpr std::size_t kFailuresNamed = 5;

// The file's name without its folders, which say nothing the user needs here.
std::string ShortName(const std::string& source)
{
    const std::size_t slash = source.find_last_of('/');
    const std::size_t archive = source.rfind(".zip/");
    if (archive != std::string::npos)
        return source.substr(source.find_last_of('/', archive) + 1);
    return slash == std::string::npos ? source : source.substr(slash + 1);
}

} // namespace

std::string ConversionFailuresText(const XmlFolderSummary& summary)
{
    if (summary.failures.empty())
        return {};
    char head[96];
    std::snprintf(head, sizeof head, "%zu 個のファイルは変換できませんでした。", summary.failures.size());
    std::string text = head;
    const std::size_t named = std::min(summary.failures.size(), kFailuresNamed);
    for (std::size_t i = 0; i < named; ++i)
        text += "\n" + ShortName(summary.failures[i].source) + ": " + summary.failures[i].reason;
    if (summary.failures.size() > named)
        text += "\n…";
    return text;
}

void RunSearchFromFolder(CTessimApp& app, IFolderChooser& chooser, IJobRunner& jobs, IOpenFromMapWindows& windows)
{
    if (app.NeedsFolderSettings() && !windows.RunFolderSettings())
        return;
    const std::optional<std::string> folder = chooser.ChooseFolder(app.m_strDataFolder, kFolderChooserTitle);
    if (!folder)
        return;
    app.m_strDataFolder = *folder;
    XmlFolderSummary summary;
    XmlFolderJob job{app.m_strDatabaseFolder, &app.m_nOpenMode, &app.m_nMapKind, &app.Messages(), nullptr};
    jobs.RunJob(kJobImportXmlFolder, [&](IProgress& progress) {
        job.progress = &progress;
        return ImportXmlFolder({*folder}, job, summary);
    });
    if (summary.cancelled)
        return;
    // With nothing converted the user has been told so already.
    const std::string failures = ConversionFailuresText(summary);
    if (!failures.empty() && summary.converted + summary.kept > 0)
        app.Messages().ShowMessage(failures, MessageIcon::Information);
    // The map opens over the data just converted.
    if (summary.extent)
        WriteMapCentre(app.Settings(), MapCentreOf(*summary.extent));
    RunOpenFromMap(app, windows);
}

} // namespace qb
