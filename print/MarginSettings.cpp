#include "print/MarginSettings.h"

namespace qb {
namespace {

constexpr std::string_view kMarginSection = "Margin";

} // namespace

MarginValues ValuesOf(const MarginRect& margins)
{
    return {margins.left, margins.top, margins.right, margins.bottom};
}

MarginRect RectOf(const MarginValues& values)
{
    return {values[kLeftMargin], values[kTopMargin], values[kRightMargin], values[kBottomMargin]};
}

void LoadMarginSettings(ISettingsStore& store, MarginRect& margins, int& units)
{
    margins.left = store.GetSettingInt(kMarginSection, "left", 0);
    margins.top = store.GetSettingInt(kMarginSection, "top", 0);
    margins.right = store.GetSettingInt(kMarginSection, "right", 0);
    margins.bottom = store.GetSettingInt(kMarginSection, "bottom", 0);
    units = store.GetSettingInt(kMarginSection, "units", 0);
}

void SaveMarginSettings(ISettingsStore& store, const MarginRect& margins, int units)
{
    store.WriteSettingInt(kMarginSection, "top", margins.top);
    store.WriteSettingInt(kMarginSection, "bottom", margins.bottom);
    store.WriteSettingInt(kMarginSection, "left", margins.left);
    store.WriteSettingInt(kMarginSection, "right", margins.right);
    store.WriteSettingInt(kMarginSection, "units", units);
}

} // namespace qb
