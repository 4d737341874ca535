#include "colour/ColourStore.h"

#include "colour/PresetSchemes.h"
#include "colour/UserColorScheme.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace qb {
namespace {

constexpr std::string_view kCountKey = "nCount";
constexpr std::string_view kIndexKey = "nIndex";
constexpr std::string_view kKindKey = "Kind";
constexpr std::string_view kSchemeNumberKey = "ColorV20";

} // namespace

std::string SchemeKey(int index)
{
    return "Color" + FormatInt(index, 3, true);
}

int ReadSchemeCount(ISettingsStore& store)
{
    return std::max(0, store.GetSettingInt(kUserColorSection, kCountKey, 0));
}

void WriteSchemeCount(ISettingsStore& store, int count)
{
    store.WriteSettingInt(kUserColorSection, kCountKey, count);
}

int ReadSelectedScheme(ISettingsStore& store)
{
    return store.GetSettingInt(kUserColorSection, kIndexKey, 0);
}

void WriteSelectedScheme(ISettingsStore& store, int index)
{
    store.WriteSettingInt(kUserColorSection, kIndexKey, index);
}

std::string ReadSchemeText(ISettingsStore& store, int index)
{
    return store.GetSettingString(kUserColorSection, SchemeKey(index), "");
}

void WriteSchemeText(ISettingsStore& store, int index, std::string_view text)
{
    store.WriteSettingString(kUserColorSection, SchemeKey(index), text);
}

std::vector<std::string> ReadSchemeTexts(ISettingsStore& store)
{
    const int count = ReadSchemeCount(store);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(ReadSchemeText(store, i));
    return texts;
}

bool DeleteScheme(ISettingsStore& store, int index)
{
    const std::vector<std::string> texts = ReadSchemeTexts(store);
    const int count = static_cast<int>(texts.size());
    if (index < 0 || index >= count)
        return false;
    const int newCount = count - 1;
    WriteSchemeCount(store, newCount);
    for (int k = index; k < newCount; ++k)
        WriteSchemeText(store, k, texts[static_cast<std::size_t>(k) + 1]);
    WriteSelectedScheme(store, index + 1 < newCount ? index + 1 : 0);
    return true;
}

int ReadDefaultKind(ISettingsStore& store)
{
    const int kind = store.GetSettingInt(kUserColorDefSection, kKindKey, kKindSlope);
    return kind >= 0 && kind < kKindCount ? kind : kKindSlope;
}

void WriteDefaultKind(ISettingsStore& store, int kind)
{
    store.WriteSettingInt(kUserColorDefSection, kKindKey, kind);
}

int ReadColorSchemeNumber(ISettingsStore& store)
{
    const int scheme = store.GetSettingInt(kColorSection, kSchemeNumberKey, kDefaultScheme);
    return scheme >= 0 && scheme < kSchemeCount ? scheme : kDefaultScheme;
}

void WriteColorSchemeNumber(ISettingsStore& store, int scheme)
{
    store.WriteSettingInt(kColorSection, kSchemeNumberKey, scheme);
}

} // namespace qb
