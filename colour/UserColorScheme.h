#pragma once
#include "platform/DrawContext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The kinds of a user scheme; the same numbers as the colour block's modes.
inline constexpr int kKindSingle = 0;
inline constexpr int kKindHeight = 1;
inline constexpr int kKindSlope = 2;
inline constexpr int kKindCount = 3;

// Longest name kept, in code page 932 bytes.
inline constexpr std::size_t kSchemeNameMaxBytes = 64;

// One user-defined colour scheme.
struct CUserColorScheme {
    std::string name;            // UTF-8; at most kSchemeNameMaxBytes in code page 932, no comma
    int ColorKind = kKindSlope;
    Colour single = 0;
    Colour low = 0;
    Colour high = 0;
    std::array<Colour, 8> slope{};  // gentlest first
    bool operator==(const CUserColorScheme&) const = default;
};

// The editor's defaults: the given kind, green for one colour, green to
// white by height and the summer slope table.
CUserColorScheme DefaultUserColorScheme(int kind = kKindSlope);

// Reads a scheme text over `defaults`: the fields are split at every comma,
// the first is the name (cut to kSchemeNameMaxBytes), the second the kind,
// the rest the kind's colours; absent fields keep the defaults. A kind other
// than 0, 1 or 2 keeps the default kind and colours.
CUserColorScheme ParseColorScheme(std::string_view text, const CUserColorScheme& defaults);
CUserColorScheme ParseColorScheme(std::string_view text);

// The colours the scheme's kind uses, in slot order.
std::vector<Colour> ColoursOfKind(const CUserColorScheme& scheme);

// The scheme as stored: name, kind and the kind's colours in decimal, joined by commas.
std::string FormatColorScheme(const CUserColorScheme& scheme);

// The name of a stored scheme text: everything before the first comma.
std::string_view SchemeNameOf(std::string_view text);

} // namespace qb
