#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

// Texts kept in files and records are Shift-JIS (code page 932) bytes; the
// program works in UTF-8 and converts only at those edges.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);
std::optional<std::string> Utf8FromCp932(std::string_view cp932);

// Cuts a code page 932 text to at most maxBytes bytes without splitting a
// double-byte character.
std::string_view TruncateCp932(std::string_view cp932, std::size_t maxBytes);

// Cuts a UTF-8 text so that its code page 932 form takes at most maxBytes;
// characters that have no code page 932 form count as one byte ('?').
std::string TruncateUtf8ToCp932Bytes(std::string_view utf8, std::size_t maxBytes);

} // namespace qb
