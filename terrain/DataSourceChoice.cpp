#include "terrain/DataSourceChoice.h"

#include "terrain/MeshNaming.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace qb {
namespace {

constexpr std::string_view kSettingCaptions[kMeshSettingCount] = {
    "", "10m メッシュ", "5m メッシュ", "5m 10m Hybrid メッシュ", "1m メッシュ", "1m 5m 10m Hybrid メッシュ",
};

std::string DiscCaption(int code)
{
    switch (code) {
    case kSourceDisc50mI: return "数値地図50ｍﾒｯｼｭ日本Ⅰ";
    case kSourceDisc50mII: return "数値地図50ｍﾒｯｼｭ日本Ⅱ";
    case kSourceDisc50mIII: return "数値地図50ｍﾒｯｼｭ日本Ⅲ";
    case kSourceDisc250m: return "数値地図２５０ｍメッシュ";
    default: return {};
    }
}

// Whether the name ends in ".3dm"; the case of the extension does not matter,
// as it does not in a wildcard search on the data's home system.
bool IsTileName(const std::string& name)
{
    constexpr std::string_view ext = ".3dm";
    if (name.size() <= ext.size())
        return false;
    return std::equal(ext.begin(), ext.end(), name.end() - ext.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// True when the folder holds at least one regular file named *.3dm.
bool HoldsTiles(const std::string& folder)
{
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsTileName(it->path().filename().string()) && it->is_regular_file(error))
            return true;
    }
    return false;
}

char Upper(char letter)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

int IndexOfLetter(const std::vector<DataDriveEntry>& drives, char letter)
{
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (letter != 0 && Upper(drives[i].letter) == Upper(letter))
            return static_cast<int>(i);
    }
    return -1;
}

constexpr std::string_view kSettingsSection = "Param";
constexpr std::string_view kAutoSelectKey = "AutoSelect";

} // namespace

int DataDiscCode(const std::string& mountRoot)
{
    if (mountRoot.empty())
        return -1;
    static const std::pair<const char*, int> probes[] = {
        {"/Data/4931/493100.mem", kSourceDisc50mIII},
        {"/Data/6442/644200.mem", kSourceDisc50mI},
        {"/Data/250m/5639.sem", kSourceDisc250m},
        {"/Data/5338/533800.mem", kSourceDisc50mII},
    };
    for (const auto& [file, code] : probes) {
        if (DataFileExists(mountRoot + file))
            return code;
    }
    return -2;
}

// A hybrid setting needs every one of its parts: the 10 m base and each finer
// overlay it names. Without the base there is no grid to refine, and without
// an overlay the setting would show nothing more than the coarser one.
CMapSelectLogic::CMapSelectLogic(const std::string& databaseFolder, const std::string& discRoot)
{
    const bool has10m = HoldsTiles(databaseFolder + "/10m");
    const bool has5m = HoldsTiles(databaseFolder + "/5m");
    const bool has1m = HoldsTiles(databaseFolder + "/1m");
    m_nDiscCode = DataDiscCode(discRoot);
    m_enabled[kMeshDisc] = IsDiscKind(m_nDiscCode);
    m_enabled[kMesh10m] = has10m;
    m_enabled[kMesh5m] = has5m;
    m_enabled[kMeshHybrid5m10m] = has10m && has5m;
    m_enabled[kMesh1m] = has1m;
    m_enabled[kMeshHybrid1m5m10m] = has10m && has5m && has1m;
}

bool CMapSelectLogic::IsEnabled(int setting) const
{
    return setting >= 0 && setting < kMeshSettingCount && m_enabled[setting];
}

bool CMapSelectLogic::AnyEnabled() const
{
    return std::find(m_enabled.begin(), m_enabled.end(), true) != m_enabled.end();
}

std::string CMapSelectLogic::Caption(int setting) const
{
    if (setting == kMeshDisc)
        return DiscCaption(m_nDiscCode);
    if (setting < 0 || setting >= kMeshSettingCount)
        return {};
    return std::string(kSettingCaptions[setting]);
}

int CMapSelectLogic::Preselection(int storedSetting) const
{
    if (IsEnabled(storedSetting))
        return storedSetting;
    const auto first = std::find(m_enabled.begin(), m_enabled.end(), true);
    return first == m_enabled.end() ? -1 : static_cast<int>(first - m_enabled.begin());
}

bool CMapSelectLogic::WarnWhenEmpty(IMessageSink& messages) const
{
    if (AnyEnabled())
        return true;
    messages.ShowMessage(kNoDatabaseDataMessage, MessageIcon::Exclamation);
    return false;
}

CDataDriveChoiceLogic::CDataDriveChoiceLogic(std::vector<DataDriveEntry> drives, char currentDrive,
                                             ISettingsStore& settings)
    : m_all(std::move(drives)), m_chCurrent(currentDrive), m_settings(settings)
{
    std::copy_if(m_all.begin(), m_all.end(), std::back_inserter(m_removable),
                 [](const DataDriveEntry& drive) { return drive.removable; });
    m_nAllSelection = IndexOfLetter(m_all, currentDrive);
    m_nRemovableSelection = IndexOfLetter(m_removable, currentDrive);
    m_bRemovableOnly = m_settings.GetSettingInt(kSettingsSection, kAutoSelectKey, 0) != 0;
}

char CDataDriveChoiceLogic::Accept()
{
    m_settings.WriteSettingInt(kSettingsSection, kAutoSelectKey, m_bRemovableOnly ? 1 : 0);
    const auto& list = m_bRemovableOnly ? m_removable : m_all;
    const int selection = m_bRemovableOnly ? m_nRemovableSelection : m_nAllSelection;
    if (selection < 0 || selection >= static_cast<int>(list.size()))
        return Upper(m_chCurrent);
    return Upper(list[static_cast<std::size_t>(selection)].letter);
}

} // namespace qb
