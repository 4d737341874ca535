#include "app/FolderSettings.h"

#include "app/Folders.h"

namespace qb {

CDirSetLogic::CDirSetLogic(CTessimApp& app, IFolderChooser& chooser)
    : m_app(app), m_chooser(chooser), m_strFolder(app.m_strDatabaseFolder)
{
}

void CDirSetLogic::Browse()
{
    if (auto chosen = m_chooser.ChooseFolder(m_strFolder, kFolderChooserTitle))
        m_strFolder = std::move(*chosen);
}

bool CDirSetLogic::RestoreDefault()
{
    if (m_app.m_strDocumentsFolder.empty())
        return false;
    std::string folder = m_app.m_strDocumentsFolder + "/" + std::string(kDefaultDatabaseSubfolder);
    EnsureFolder(m_app.System(), folder);
    m_strFolder = std::move(folder);
    return true;
}

bool ApplyFolderSettings(CTessimApp& app, std::string folder)
{
    if (!CheckFolder(app.System(), app.Messages(), folder))
        return false;
    app.m_bDatabaseFolderSet = 1;
    app.m_strDatabaseFolder = folder;
    app.Settings().WriteSettingString("Param", "Database", app.m_strDatabaseFolder);
    app.Settings().WriteSettingInt("Param", "DataBaseFolderFlg", app.m_bDatabaseFolderSet);
    return true;
}

} // namespace qb
