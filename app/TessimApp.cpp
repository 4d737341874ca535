#include "app/TessimApp.h"

#include "app/Folders.h"

namespace qb {
namespace {

constexpr std::string_view kParam = "Param";
constexpr std::string_view kFileInit = "FileInit";
constexpr std::string_view kHeightTime = "HightTime";

// A stored drive as a letter 'A' to 'Z'; anything that is not a letter
// (a stray number would become a nonsense character) means no drive.
char DriveLetterOf(std::int32_t stored)
{
    if (stored >= 'a' && stored <= 'z')
        return static_cast<char>(stored - 'a' + 'A');
    return stored >= 'A' && stored <= 'Z' ? static_cast<char>(stored) : 0;
}

} // namespace

CTessimApp::CTessimApp(ISettingsStore& settings, ISystemServices& system, IMessageSink& messages)
    : m_settings(settings), m_system(system), m_messages(messages)
{
}

CTessimApp::~CTessimApp()
{
    SaveOnDestroy();
}

void CTessimApp::InitInstance()
{
    m_bStarted = true;
    m_strDocumentsFolder = m_system.DocumentsFolder();
    m_strProgramFolder = m_system.CurrentFolder();
    ReadParamSettings();
    if (!EnterProgramFolder())
        SetupFirstRun(m_system.CurrentFolder());
    CheckGlobeData();
    ReadDataDrive();
    m_recentFiles.Load(m_settings);
    ReadHeightScale();
    LoadMarginSettings();
}

void CTessimApp::ReadParamSettings()
{
    m_strDataFolder = m_settings.GetSettingString(kParam, "DataFolder", m_strDocumentsFolder);
    m_bDatabaseFolderSet = m_settings.GetSettingInt(kParam, "DataBaseFolderFlg", 0);
    m_strDatabaseFolder = m_settings.GetSettingString(kParam, "DatabaseFolder", m_strDocumentsFolder);
    m_nMapKind = m_settings.GetSettingInt(kParam, "MapKind", 0);
}

// Enters the program folder of an earlier start and makes sure its
// place-name, area and database folders exist; false on a first start or
// when that folder is gone.
bool CTessimApp::EnterProgramFolder()
{
    const std::string programFolder = m_settings.GetSettingString(kFileInit, "PrgDir", "");
    if (programFolder.empty() || !m_system.SetCurrentFolder(programFolder))
        return false;
    EnsureFolder(m_system, m_settings.GetSettingString(kFileInit, "PlnDir", ""));
    EnsureFolder(m_system, m_settings.GetSettingString(kFileInit, "AreDir", ""));
    m_strDatabaseFolder = m_settings.GetSettingString(kParam, "Database", DefaultDatabaseFolder());
    EnsureFolder(m_system, m_strDatabaseFolder);
    return true;
}

// Records the program folder and the default place-name and area folders
// beside it; the folders themselves are created at the next start.
void CTessimApp::SetupFirstRun(const std::string& programFolder)
{
    m_settings.WriteSettingString(kFileInit, "PrgDir", programFolder);
    m_settings.WriteSettingString(kFileInit, "InitalDir", programFolder);
    m_settings.WriteSettingString("Globe", "InitDir", programFolder);
    const std::string placeFolder = programFolder + "/place";
    m_settings.WriteSettingString(kFileInit, "PlnDir", placeFolder);
    m_settings.WriteSettingString(kFileInit, "PlnDirDef", placeFolder);
    const std::string areaFolder = programFolder + "/area";
    m_settings.WriteSettingString(kFileInit, "AreDir", areaFolder);
    m_settings.WriteSettingString(kFileInit, "AreDirDef", areaFolder);
}

void CTessimApp::CheckGlobeData()
{
    if (!m_system.FileExists(m_strProgramFolder + "/japan.GLL"))
        m_messages.ShowMessage(kGlobeDataMissingMessage, MessageIcon::Exclamation);
}

void CTessimApp::ReadDataDrive()
{
    const char found = FindFirstCdromDrive();
    m_chDataDrive = DriveLetterOf(m_settings.GetSettingInt(kParam, "Drive", found));
    if (found != 0 && m_chDataDrive == 0)
        m_chDataDrive = found;
}

void CTessimApp::ReadHeightScale()
{
    m_nHeightScaleIndex = m_settings.GetSettingInt(kHeightTime, "HightTimeFlg", 1);
    m_dHeightScale = GetSettingReal(m_settings, kHeightTime, "HightTime", "1.0");
}

std::string CTessimApp::DefaultDatabaseFolder() const
{
    return m_strDocumentsFolder.empty() ? std::string() : m_strDocumentsFolder + "/Quarrenby";
}

char CTessimApp::FindFirstCdromDrive()
{
    return qb::FindFirstCdromDrive(m_system.MountedVolumes(), m_nDriveType);
}

std::string CTessimApp::DataDriveRoot()
{
    return m_chDataDrive == 0 ? std::string() : DriveRootPath(m_system.MountedVolumes(), m_chDataDrive);
}

void CTessimApp::LoadMarginSettings()
{
    qb::LoadMarginSettings(m_settings, m_rcMargins, m_nMarginUnits);
}

void CTessimApp::AddToRecentFileList(const std::string& path)
{
    m_recentFiles.Add(path);
    m_recentFiles.Save(m_settings);
}

void CTessimApp::RemoveFromRecentFileList(std::size_t index)
{
    m_recentFiles.Remove(index);
    m_recentFiles.Save(m_settings);
}

void CTessimApp::ExitInstance()
{
    m_settings.WriteSettingString(kParam, "DataFolder", m_strDataFolder);
    m_settings.WriteSettingString(kParam, "Database", m_strDatabaseFolder);
    m_settings.WriteSettingInt(kParam, "DataBaseFolderFlg", m_bDatabaseFolderSet);
    m_settings.WriteSettingInt(kParam, "MapKind", m_nMapKind);
}

void CTessimApp::SaveOnDestroy()
{
    // Without a start-up there is nothing read that could be written back.
    if (m_bSavedOnDestroy || !m_bStarted)
        return;
    m_bSavedOnDestroy = true;
    m_settings.WriteSettingInt(kHeightTime, "HightTimeFlg", m_nHeightScaleIndex);
    WriteSettingReal(m_settings, kHeightTime, "HightTime", m_dHeightScale);
    m_settings.WriteSettingInt(kParam, "Drive", static_cast<unsigned char>(m_chDataDrive));
}

} // namespace qb
