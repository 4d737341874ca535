#include "app/AreaSettings.h"

#include "platform/SettingsStore.h"
#include "terrain/AreaRecord.h"

#include <string_view>

namespace qb {
namespace {

constexpr std::string_view kSection = "MultiOpen";

} // namespace

void LoadAreaSettings(ISettingsStore& settings, CAreaRecord& area)
{
    // A stored name without a code page 932 form, or a base path too long
    // for its field, leaves that field as it was.
    area.SetAreaNameUtf8(settings.GetSettingString(kSection, "AreaName", ""));
    area.SetBaseFile(settings.GetSettingString(kSection, "BaseName", ""));
    area.SetCounts(settings.GetSettingInt(kSection, "XMap", 2), settings.GetSettingInt(kSection, "YMap", 2));
    area.SetListFlag(settings.GetSettingInt(kSection, "AddAreaList", 1));
    area.SetBaseColumn(settings.GetSettingInt(kSection, "BaseX", 0));
    area.SetBaseRow(settings.GetSettingInt(kSection, "BaseY", 0));
}

void SaveAreaSettings(ISettingsStore& settings, const CAreaRecord& area)
{
    settings.WriteSettingString(kSection, "AreaName", area.AreaNameUtf8());
    settings.WriteSettingString(kSection, "BaseName", area.BaseFile());
    settings.WriteSettingInt(kSection, "XMap", area.Across());
    settings.WriteSettingInt(kSection, "YMap", area.Down());
    settings.WriteSettingInt(kSection, "AddAreaList", area.ListFlag());
    settings.WriteSettingInt(kSection, "BaseX", area.BaseColumn());
    settings.WriteSettingInt(kSection, "BaseY", area.BaseRow());
}

} // namespace qb
