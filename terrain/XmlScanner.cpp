#include "terrain/XmlScanner.h"

#include "terrain/ByteSource.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace qb::xml_scan {

double ParseReal(const char* first, const char* last)
{
    while (first < last && (*first == ' ' || *first == '\t'))
        ++first;
    if (first < last && *first == '+')
        ++first;
    double value = 0.0;
    const auto result = fast_float::from_chars(first, last, value);
    return result.ec == std::errc() ? value : 0.0;
}

std::optional<double> NumberAt(std::string_view text, std::size_t pos, std::size_t* end)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
    std::size_t stop = pos;
    while (stop < text.size() && text[stop] != ' ' && text[stop] != '<' && stop - pos < kMaxNumberChars)
        ++stop;
    if (stop == pos)
        return std::nullopt;
    double value = 0.0;
    const auto result = fast_float::from_chars(text.data() + pos, text.data() + stop, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    if (end)
        *end = stop;
    return value;
}

std::optional<std::pair<double, double>> PairAfter(std::string_view text, std::string_view tag)
{
    const std::size_t at = text.find(tag);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::size_t end = 0;
    const auto first = NumberAt(text, at + tag.size(), &end);
    if (!first || end >= text.size() || text[end] != ' ')
        return std::nullopt;
    const auto second = NumberAt(text, end + 1);
    if (!second)
        return std::nullopt;
    return std::pair{*first, *second};
}

std::int32_t DateAfter(std::string_view text)
{
    constexpr std::string_view kTag = "timePosition>";
    const std::size_t at = text.find(kTag);
    if (at == std::string_view::npos)
        return 0;
    int parts[3] = {0, 0, 0};
    std::size_t pos = at + kTag.size();
    for (int& part : parts) {
        int value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 9) {
            value = value * 10 + (text[pos++] - '0');
            ++digits;
        }
        part = value;
        if (pos >= text.size() || (text[pos] != '-' && text[pos] != ' '))
            break;
        ++pos;
    }
    // Nine digits a part keep this inside 64 bits; a date beyond 32 bits is no date.
    const std::int64_t date = std::int64_t(parts[0]) * 10000 + std::int64_t(parts[1]) * 100 + parts[2];
    return date <= std::numeric_limits<std::int32_t>::max() ? static_cast<std::int32_t>(date) : 0;
}

int SpacingOfType(std::string_view text)
{
    constexpr std::string_view kTag = "<type>";
    for (std::size_t at = text.find(kTag); at != std::string_view::npos; at = text.find(kTag, at + 1)) {
        const std::string_view rest = text.substr(at + kTag.size());
        if (rest.starts_with("10m"))
            return 10;
        if (rest.starts_with("5m"))
            return 5;
        if (rest.starts_with("1m"))
            return 1;
    }
    return 0;
}

namespace {

bool IsTerminator(char ch)
{
    return ch == '\n' || ch == '\r' || ch == ' ';
}

} // namespace

void ReadTupleList(IByteSource& source, std::int64_t begin, std::int64_t end,
                   const std::function<bool(double)>& store)
{
    std::vector<char> buffer(kWindow);
    std::size_t carried = 0;
    std::int64_t pos = begin;
    while (pos < end) {
        const auto want = static_cast<std::size_t>(std::min<std::int64_t>(kWindow - carried, end - pos));
        const std::size_t got = source.ReadAt(pos, buffer.data() + carried, want);
        if (got == 0)
            break;
        pos += static_cast<std::int64_t>(got);
        const bool last = pos >= end;
        const char* p = buffer.data();
        const char* const stop = buffer.data() + carried + got;
        carried = 0;
        while (const char* comma = static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(stop - p)))) {
            const char* number = comma + 1;
            const char* limit = std::min(stop, number + kMaxNumberChars);
            const char* t = number;
            while (t < limit && !IsTerminator(*t))
                ++t;
            if (t == stop && !last) {
                // The number runs into the end of the chunk: read it again with the next one.
                carried = static_cast<std::size_t>(stop - comma);
                std::memmove(buffer.data(), comma, carried);
                break;
            }
            if (!store(ParseReal(number, t)))
                return;
            p = t;
        }
    }
}

} // namespace qb::xml_scan
