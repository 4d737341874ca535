#include "platform/SettingsStore.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace qb {
namespace {

locale_t CLocale()
{
    static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

double TextToDouble(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    // Out of range is an overflow (infinity) or an underflow (zero or a tiny
    // subnormal), as the C library tells them apart.
    if (result.ec == std::errc::result_out_of_range)
        return ::strtod_l(std::string(first, result.ptr).c_str(), nullptr, CLocale());
    return result.ec == std::errc() ? value : 0.0;
}

std::string FormatFixed6(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 6);
    if (result.ec != std::errc())
        return "0.000000";
    return std::string(buffer, result.ptr);
}

double GetSettingReal(ISettingsStore& store, std::string_view section, std::string_view key,
                      std::string_view defaultText)
{
    return TextToDouble(store.GetSettingString(section, key, defaultText));
}

bool WriteSettingReal(ISettingsStore& store, std::string_view section, std::string_view key,
                      double value)
{
    return store.WriteSettingString(section, key, FormatFixed6(value));
}

} // namespace qb
