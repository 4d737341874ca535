#include "places/NameText.h"

#include "platform/Cp932.h"

namespace qb {
namespace {

// A UTF-8 character: its first byte and the continuation bytes after it.
std::size_t Utf8Length(std::string_view rest)
{
    std::size_t length = 1;
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

// A double-byte character is one that TruncateCp932 will not cut to one byte.
std::size_t Cp932Length(std::string_view rest)
{
    return TruncateCp932(rest, 1).empty() && rest.size() > 1 ? 2 : 1;
}

using Converter = std::optional<std::string> (*)(std::string_view);

// Converts the whole text, or, when that fails, character by character.
std::string Convert(std::string_view text, Converter convert, std::size_t (*characterLength)(std::string_view))
{
    if (auto whole = convert(text))
        return *whole;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text.substr(i));
        const auto one = convert(text.substr(i, length));
        out += one ? *one : std::string("?");
        i += length;
    }
    return out;
}

} // namespace

std::string Utf8FromPlaceName(std::string_view cp932)
{
    return Convert(cp932, Utf8FromCp932, Cp932Length);
}

std::string PlaceNameFromUtf8(std::string_view utf8)
{
    return Convert(utf8, Cp932FromUtf8, Utf8Length);
}

} // namespace qb
