// The database folder from the desktop program's settings, read only.
#include "cli/CliSupport.h"

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

} // namespace qb::cli
