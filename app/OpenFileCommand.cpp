#include "app/OpenFileCommand.h"

#include "app/TessimApp.h"

namespace qb {
namespace {

constexpr std::string_view kFileInit = "FileInit";
constexpr std::string_view kFilterIndexKey = "FilterIndex";
constexpr std::string_view kInitialDirKey = "InitalDir";
constexpr int kOpenModeFile = 0;

} // namespace

const std::array<FileFilter, 3>& OpenFileFilters()
{
    static constexpr std::array<FileFilter, 3> filters = {{
        {"地図ファイル(*.SEM;*.MEM;*.3DM)", "*.SEM;*.MEM;*.3DM"},
        {"Quarrenby Files(*.3DM)", "*.3DM"},
        {"すべてのファイル (*.*)", "*.*"},
    }};
    return filters;
}

void LoadOpenFileChoice(CTessimApp& app)
{
    ISettingsStore& store = app.Settings();
    const int index = store.GetSettingInt(kFileInit, kFilterIndexKey, 1);
    // A damaged value would leave the dialog without a valid filter.
    const bool valid = index >= 1 && index <= static_cast<int>(OpenFileFilters().size());
    app.m_nFilterIndex = valid ? index : 1;
    app.m_strInitialDir = store.GetSettingString(kFileInit, kInitialDirKey, "");
}

void StoreOpenFileChoice(CTessimApp& app, const std::string& chosenPath, int filterIndex)
{
    app.m_strInitialDir = FolderOfPath(chosenPath);
    app.m_nFilterIndex = filterIndex;
    ISettingsStore& store = app.Settings();
    store.WriteSettingInt(kFileInit, kFilterIndexKey, filterIndex);
    store.WriteSettingString(kFileInit, kInitialDirKey, app.m_strInitialDir);
    app.m_nOpenMode = kOpenModeFile;
}

std::string FolderOfPath(std::string_view path)
{
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos)
        return {};
    // Cutting before the root's own separator would lose the folder.
    if (last == 0)
        return std::string(path.substr(0, 1));
    return std::string(path.substr(0, last));
}

std::string StatusProgressText(int percent)
{
    return "ファイルを読み込み中．．．．．" + std::to_string(percent) + " ％";
}

} // namespace qb
