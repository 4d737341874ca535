#pragma once
#include "app/DataDisc.h"
#include "app/RecentFileList.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "print/MarginSettings.h"
#include "terrain/AreaRecord.h"
#include "terrain/GeoBox.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

class CTessimDoc;

inline constexpr std::string_view kGlobeDataMissingMessage =
    "日本地図の地形データが見つかりませんでした。";

// The application's shared state and its start-up and shut-down rules,
// free of any window system. The shell runs InitInstance before it builds
// its windows, ExitInstance when the message loop ends and SaveOnDestroy
// when it tears the application down. The store, the services and the sink
// must outlive this object.
class CTessimApp {
public:
    CTessimApp(ISettingsStore& settings, ISystemServices& system, IMessageSink& messages);
    ~CTessimApp();
    CTessimApp(const CTessimApp&) = delete;
    CTessimApp& operator=(const CTessimApp&) = delete;

    // Reads the settings, prepares the folders, probes the data drive and
    // loads the recent files and margins; writes the first-start values
    // when the program folder is not known or cannot be entered.
    void InitInstance();
    // True while the user has not yet confirmed a database folder.
    bool NeedsFolderSettings() const { return m_bDatabaseFolderSet == 0; }
    // Writes the folders, their flag and the map kind.
    void ExitInstance();
    // Writes the height factor and the data drive once, and only after
    // InitInstance; the destructor calls it when the shell did not.
    void SaveOnDestroy();

    char FindFirstCdromDrive();
    // Mount root of the data drive, or empty when there is none.
    std::string DataDriveRoot();
    void LoadMarginSettings();

    // The recent-file list; every change is written at once.
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    void AddToRecentFileList(const std::string& path);
    void RemoveFromRecentFileList(std::size_t index);

    ISettingsStore& Settings() { return m_settings; }
    ISystemServices& System() { return m_system; }
    IMessageSink& Messages() { return m_messages; }

    std::string m_strDocumentsFolder;
    std::string m_strProgramFolder;
    std::string m_strDataFolder;
    std::string m_strDatabaseFolder;
    int m_bDatabaseFolderSet = 0;
    int m_nMapKind = 0;
    char m_chDataDrive = 0;
    DriveTypeTable m_nDriveType{};
    int m_nHeightScaleIndex = 1;
    double m_dHeightScale = 1.0;
    MarginRect m_rcMargins;
    int m_nMarginUnits = 0;
    int m_nFilterIndex = 1;
    std::string m_strInitialDir;
    int m_nOpenMode = 2;
    int m_nSourceKind = 0;
    // The area the area-based opening commands open: the base record, then
    // the 5 m and the 1 m record of a hybrid area.
    CAreaRecords m_area;
    int m_nLoadPass = 1;         // 1 base, 2 the 5 m overlay, 3 the 1 m overlay
    bool m_bFound5m = false;     // the area assembly found 5 m tiles
    bool m_bFound1m = false;     // and 1 m tiles
    CTessimDoc* m_pCurrentDoc = nullptr;
    GeoBox m_areaBox;            // the whole area (red), longitudes negated
    GeoBox m_viewBox;            // the displayed part (blue), longitudes negated

private:
    void ReadParamSettings();
    bool EnterProgramFolder();
    void SetupFirstRun(const std::string& programFolder);
    void CheckGlobeData();
    void ReadDataDrive();
    void ReadHeightScale();
    std::string DefaultDatabaseFolder() const;

    ISettingsStore& m_settings;
    ISystemServices& m_system;
    IMessageSink& m_messages;
    CRecentFileList m_recentFiles;
    bool m_bStarted = false;
    bool m_bSavedOnDestroy = false;
};

} // namespace qb
