#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

// printf-style number texts that never depend on the process locale (a Qt
// program may run with a locale whose decimal mark is a comma).

// "%*.*f": fixed notation with `precision` decimals, right-aligned in `width`.
std::string FormatFixed(double value, int precision, int width);
// "%*d", or "%0*d" when zeroPad is set (the sign goes before the zeros).
std::string FormatInt(long long value, int width, bool zeroPad);
// "%.15g": up to 15 significant digits, no trailing zeros; the form a dialog
// shows a double in.
std::string FormatGeneral(double value);

// The number a whole text spells, blanks around it allowed (and a "+" before
// it); none for anything else. Infinities and NaN come back as read.
std::optional<double> ParseWholeNumber(std::string_view text);

// The refusals of a dialog's number check.
inline constexpr std::string_view kNotANumberMessage = "数字を入力してください。";
inline constexpr std::string_view kNumberRangeMessage = "%1 から %2 までの数字を入力してください。";
// kNumberRangeMessage with the limits filled in.
std::string NumberRangeMessage(double low, double high);

} // namespace qb
