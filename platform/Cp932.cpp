#include "platform/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace qb {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view text)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // One code page 932 byte (a half-width katakana) can take three UTF-8
    // bytes, and UTF-8 never grows on the way back.
    std::string out(text.size() * 3 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    const bool ok = rc != static_cast<std::size_t>(-1) && iconv(cd, nullptr, nullptr, &dst, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t Utf8SequenceLength(unsigned char c)
{
    if (c < 0x80) return 1;
    if ((c >> 5) == 0x6) return 2;
    if ((c >> 4) == 0xE) return 3;
    if ((c >> 3) == 0x1E) return 4;
    return 1;
}

} // namespace

std::optional<std::string> Cp932FromUtf8(std::string_view utf8)
{
    return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> Utf8FromCp932(std::string_view cp932)
{
    return Convert("UTF-8", "CP932", cp932);
}

std::string_view TruncateCp932(std::string_view cp932, std::size_t maxBytes)
{
    std::size_t i = 0;
    while (i < cp932.size()) {
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        if (i + width > maxBytes || i + width > cp932.size())
            break;
        i += width;
    }
    return cp932.substr(0, i);
}

std::string TruncateUtf8ToCp932Bytes(std::string_view utf8, std::size_t maxBytes)
{
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[i])),
                                             utf8.size() - i);
        const auto encoded = Cp932FromUtf8(utf8.substr(i, length));
        const std::size_t width = encoded ? encoded->size() : 1;
        if (used + width > maxBytes)
            break;
        used += width;
        i += length;
    }
    return std::string(utf8.substr(0, i));
}

} // namespace qb
