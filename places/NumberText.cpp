#include "places/NumberText.h"

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

} // namespace qb
