#pragma once
#include <string>

namespace qb {

// printf-style number texts that never depend on the process locale (a Qt
// program may run with a locale whose decimal mark is a comma).

// "%*.*f": fixed notation with `precision` decimals, right-aligned in `width`.
std::string FormatFixed(double value, int precision, int width);
// "%*d", or "%0*d" when zeroPad is set (the sign goes before the zeros).
std::string FormatInt(long long value, int width, bool zeroPad);

} // namespace qb
