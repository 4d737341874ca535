#include "colour/UserColorScheme.h"

#include "colour/PresetSchemes.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace qb {
namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The leading decimal integer of a field, as C's strtol reads it: blanks,
// a sign, digits; 0 when there are none. Values beyond 32 bits saturate
// instead of overflowing.
std::int32_t LeadingInteger(std::string_view field)
{
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::size_t i = 0;
    while (i < field.size() && IsBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    std::int64_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = std::min(value * 10 + (field[i] - '0'), kLimit + 1);
    value = negative ? -value : std::min(value, kLimit);
    return static_cast<std::int32_t>(value);
}

// A stored colour reference; the unused top byte is cleared so that a
// damaged value still names a colour.
Colour ColourField(std::string_view field)
{
    return static_cast<Colour>(LeadingInteger(field)) & 0x00FFFFFFu;
}

// The colour slots of a kind, in the order the text lists them.
template <typename Scheme>
auto SlotsOfKind(Scheme& scheme)
{
    using Slot = decltype(&scheme.single);
    switch (scheme.ColorKind) {
    case kKindSingle: return std::vector<Slot>{&scheme.single};
    case kKindHeight: return std::vector<Slot>{&scheme.low, &scheme.high};
    default: break;
    }
    std::vector<Slot> slots;
    for (auto& colour : scheme.slope)
        slots.push_back(&colour);
    return slots;
}

} // namespace

CUserColorScheme DefaultUserColorScheme(int kind)
{
    CUserColorScheme scheme;
    scheme.ColorKind = kind;
    scheme.single = kGreen;
    scheme.low = kGreen;
    scheme.high = kWhite;
    scheme.slope = kSummerSlopeColours;
    return scheme;
}

CUserColorScheme ParseColorScheme(std::string_view text, const CUserColorScheme& defaults)
{
    CUserColorScheme scheme = defaults;
    const std::vector<std::string_view> fields = SplitAtCommas(text);
    scheme.name = TruncateUtf8ToCp932Bytes(fields[0], kSchemeNameMaxBytes);
    if (fields.size() < 2)
        return scheme;
    const std::int32_t kind = LeadingInteger(fields[1]);
    if (kind < 0 || kind >= kKindCount)
        return scheme;
    scheme.ColorKind = kind;
    const auto slots = SlotsOfKind(scheme);
    for (std::size_t i = 0; i < slots.size() && i + 2 < fields.size(); ++i)
        *slots[i] = ColourField(fields[i + 2]);
    return scheme;
}

CUserColorScheme ParseColorScheme(std::string_view text)
{
    return ParseColorScheme(text, DefaultUserColorScheme());
}

std::vector<Colour> ColoursOfKind(const CUserColorScheme& scheme)
{
    std::vector<Colour> colours;
    for (const Colour* colour : SlotsOfKind(scheme))
        colours.push_back(*colour);
    return colours;
}

std::string FormatColorScheme(const CUserColorScheme& scheme)
{
    std::string text = scheme.name;
    text.append(",").append(std::to_string(scheme.ColorKind));
    for (const Colour colour : ColoursOfKind(scheme))
        text.append(",").append(std::to_string(static_cast<std::int32_t>(colour)));
    return text;
}

std::string_view SchemeNameOf(std::string_view text)
{
    return text.substr(0, text.find(','));
}

} // namespace qb
