// The database folder and the mesh setting from the desktop program's settings, read only.
#include "cli/CliSupport.h"

#include <filesystem>
#include <unistd.h>

#ifdef QB_CLI_HAS_QT
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSystemServices.h"
#endif

namespace qb::cli {

std::string ConfiguredDatabaseFolder()
{
#ifdef QB_CLI_HAS_QT
    CQtSystemServices system;
    const std::string documents = system.DocumentsFolder();
    CQtSettingsStore settings;
    return settings.GetSettingString("Param", "Database", documents.empty() ? "" : documents + "/Quarrenby");
#else
    return {};
#endif
}

int ConfiguredMeshSetting()
{
#ifdef QB_CLI_HAS_QT
    return CQtSettingsStore().GetSettingInt("Param", "MapKind", 0);
#else
    return 0;
#endif
}

std::string DeliveredPlaceFolder()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::exists(executable.parent_path() / "place" / "tessim2.pln", ec))
        return (executable.parent_path() / "place").string();
    return std::string(QB_SOURCE_DIR) + "/data/place";
}

std::string DeliveredGlobeFile()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::exists(executable.parent_path() / "japan.GLL", ec))
        return (executable.parent_path() / "japan.GLL").string();
    return std::string(QB_SOURCE_DIR) + "/data/globe/japan.GLL";
}

} // namespace qb::cli
