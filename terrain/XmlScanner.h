#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace qb {

class IByteSource;

// The pieces of the plain-text scanner of the agency's elevation XML: tag
// texts are found as exact byte sequences and the numbers behind them read
// with a locale-independent conversion.
namespace xml_scan {

inline constexpr std::size_t kWindow = 0x10000;  // head, tail and chunk size
inline constexpr std::size_t kMaxNumberChars = 63;

// The number in the run of characters at `pos`, ended by a blank or '<'
// (leading blanks skipped); returns the position behind the run through `end`.
// A run that reads as no finite number ("nan", "inf") gives none.
std::optional<double> NumberAt(std::string_view text, std::size_t pos, std::size_t* end = nullptr);

// The two numbers behind `tag`, separated by a blank.
std::optional<std::pair<double, double>> PairAfter(std::string_view text, std::string_view tag);

// The survey date behind "timePosition>": year-month-day as yyyymmdd, 0 when
// absent or too large for 32 bits.
std::int32_t DateAfter(std::string_view text);

// The spacing of the first "<type>" that begins with 10m, 5m or 1m; 0 when none.
int SpacingOfType(std::string_view text);

// A real as the conversion of C's atof reads it, without the locale: the longest
// numeric prefix, 0 when there is none.
double ParseReal(const char* first, const char* last);

// Reads the tuple list of [begin, end) of `source` in chunks of kWindow bytes
// through one buffer and hands the number behind every comma to `store`, in
// order. A number is ended by a line feed, a carriage return, a blank or the
// end of the list.
void ReadTupleList(IByteSource& source, std::int64_t begin, std::int64_t end,
                   const std::function<bool(double)>& store);

} // namespace xml_scan
} // namespace qb
