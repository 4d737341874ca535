#include "platform/NumberText.h"

#include <charconv>

namespace qb {

std::string FormatFixed(double value, int precision, int width)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string FormatInt(long long value, int width, bool zeroPad)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) >= width)
        return text;
    const std::size_t fill = static_cast<std::size_t>(width) - text.size();
    if (!zeroPad)
        return text.insert(0, fill, ' ');
    return text.insert(value < 0 ? 1 : 0, fill, '0');
}

std::string FormatGeneral(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
}

std::optional<double> ParseWholeNumber(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string NumberRangeMessage(double low, double high)
{
    std::string text(kNumberRangeMessage);
    text.replace(text.find("%1"), 2, FormatGeneral(low));
    return text.replace(text.find("%2"), 2, FormatGeneral(high));
}

} // namespace qb
