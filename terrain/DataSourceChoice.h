#pragma once
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "terrain/AreaAssembly.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr std::string_view kNoDatabaseDataMessage = "データベースフォルダにデータが見つかりません。";

// The data disc in the drive at mountRoot, known by one probe file each:
// 1, 2, 3 the 50 m discs I, II, III, 4 the 250 m disc; -1 when there is no
// drive (empty root), -2 when none of the probe files exists.
int DataDiscCode(const std::string& mountRoot);

// The logic of the data-source dialog: which mesh settings have data, their
// captions and the choice shown first.
class CMapSelectLogic {
public:
    // discRoot is the data drive's mount root, empty when there is none.
    CMapSelectLogic(const std::string& databaseFolder, const std::string& discRoot);

    bool IsEnabled(int setting) const;
    bool AnyEnabled() const;
    // Setting 0 is named after the disc found (empty without one).
    std::string Caption(int setting) const;
    int DiscCode() const { return m_nDiscCode; }
    // The stored setting when it has data, else the first that has; -1 when none has.
    int Preselection(int storedSetting) const;
    // Shows "データベースフォルダにデータが見つかりません。" when no setting
    // has data; true when one has.
    bool WarnWhenEmpty(IMessageSink& messages) const;

private:
    std::array<bool, kMeshSettingCount> m_enabled{};
    int m_nDiscCode = -1;
};

// A drive the application found: its letter, mount root and whether it
// takes removable discs.
struct DataDriveEntry {
    char letter = 0;
    std::string root;
    bool removable = false;
};

// The logic of the data-disc drive dialog: a list of every drive and a list
// of the removable drives, each with the current data drive selected; the
// check box ("Param" "AutoSelect") chooses which list OK reads.
class CDataDriveChoiceLogic {
public:
    CDataDriveChoiceLogic(std::vector<DataDriveEntry> drives, char currentDrive, ISettingsStore& settings);

    const std::vector<DataDriveEntry>& AllDrives() const { return m_all; }
    const std::vector<DataDriveEntry>& RemovableDrives() const { return m_removable; }
    int AllSelection() const { return m_nAllSelection; }
    int RemovableSelection() const { return m_nRemovableSelection; }
    void SelectInAll(int index) { m_nAllSelection = index; }
    void SelectInRemovable(int index) { m_nRemovableSelection = index; }
    bool RemovableOnly() const { return m_bRemovableOnly; }
    void SetRemovableOnly(bool removableOnly) { m_bRemovableOnly = removableOnly; }

    // Stores the check box and returns the upper-case letter of the chosen
    // list's selection; the current drive when that list has no selection.
    char Accept();

private:
    std::vector<DataDriveEntry> m_all;
    std::vector<DataDriveEntry> m_removable;
    int m_nAllSelection = -1;
    int m_nRemovableSelection = -1;
    bool m_bRemovableOnly = false;
    char m_chCurrent = 0;
    ISettingsStore& m_settings;
};

} // namespace qb
