#include "app/OpenFromMapCommand.h"

#include "app/AreaSettings.h"
#include "app/OpenFromMapSource.h"
#include "app/TessimApp.h"
#include "terrain/AreaAssembly.h"
#include "terrain/DataSourceChoice.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace qb {
namespace {

// The area's base file, for the data source kind: the 5 m data names its
// tile as a pattern, which must match a file.
std::optional<std::string> BaseFileOf(const CAreaRecord& area, int mapKind)
{
    if (mapKind != kMesh5m)
        return area.BaseFile();
    return FirstMatchingFile(area.BaseFile());
}

} // namespace

std::optional<std::string> FirstMatchingFile(const std::string& pattern)
{
    const std::filesystem::path path(pattern);
    const std::string name = path.filename().string();
    std::error_code ec;
    std::vector<std::string> matches;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), ec)) {
        const std::string candidate = entry.path().filename().string();
        if (entry.is_regular_file(ec) && fnmatch(name.c_str(), candidate.c_str(), FNM_NOESCAPE) == 0)
            matches.push_back(entry.path().string());
    }
    if (matches.empty())
        return std::nullopt;
    // The folder lists its files in no fixed order: the first by name is taken.
    return *std::min_element(matches.begin(), matches.end());
}

void RunOpenFromMap(CTessimApp& app, IOpenFromMapWindows& windows)
{
    if (app.NeedsFolderSettings() && !windows.RunFolderSettings())
        return;
    windows.CloseMapView();
    const std::optional<int> mapKind = windows.ChooseMapKind();
    if (!mapKind)
        return;
    app.m_nMapKind = *mapKind;
    CAreaRecords records;
    LoadAreaSettings(app.Settings(), records.base);
    records.fiveMetre = records.base;
    if (!windows.ChooseArea(records, *mapKind))
        return;
    windows.ClearMoveRecord();
    app.m_area = records;
    app.m_area.base.SetListFlag(0);
    SaveAreaSettings(app.Settings(), app.m_area.base);
    const std::optional<int> sourceKind =
        OpenFromMapSourceKind(*mapKind, DataDiscCode(app.DataDriveRoot()), app.Messages());
    if (!sourceKind)
        return;
    const std::optional<std::string> baseFile = BaseFileOf(app.m_area.base, *mapKind);
    if (!baseFile)
        return;
    app.m_area.base.SetBaseFile(*baseFile);
    app.m_nSourceKind = *sourceKind;
    app.m_nOpenMode = 1;
    windows.OpenArea(app.m_area.base.BaseFile());
}

} // namespace qb
