#pragma once
#include <string>
#include <string_view>

namespace qb {

// Place names are code page 932 bytes in records and files and UTF-8 in the
// rest of the program. These conversions never fail: a character without a
// form on the other side becomes '?', so a damaged name still shows.
std::string Utf8FromPlaceName(std::string_view cp932);
std::string PlaceNameFromUtf8(std::string_view utf8);

} // namespace qb
