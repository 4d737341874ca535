#include "colour/CustomColours.h"

#include "colour/ColourStore.h"
#include "platform/NumberText.h"

#include <cstdint>
#include <string>

namespace qb {
namespace {

constexpr std::int32_t kDefaultCustomColour = 0xFFFFFF;

std::string CustomKey(int index)
{
    return "custom" + FormatInt(index, 2, true);
}

} // namespace

CustomColours LoadCustomColours(ISettingsStore& store)
{
    CustomColours colours{};
    for (int i = 0; i < kCustomColourCount; ++i) {
        const std::int32_t stored = store.GetSettingInt(kUserColorSection, CustomKey(i), kDefaultCustomColour);
        colours[static_cast<std::size_t>(i)] = static_cast<Colour>(stored) & 0x00FFFFFFu;
    }
    return colours;
}

void SaveCustomColours(ISettingsStore& store, const CustomColours& colours)
{
    for (int i = 0; i < kCustomColourCount; ++i)
        store.WriteSettingInt(kUserColorSection, CustomKey(i),
                              static_cast<std::int32_t>(colours[static_cast<std::size_t>(i)]));
}

} // namespace qb
