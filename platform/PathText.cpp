#include "platform/PathText.h"

#include <cctype>

namespace qb {
namespace {

char Lower(char ch)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

} // namespace

std::string LowerExtension(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    std::string ext(path.substr(dot + 1));
    for (auto& ch : ext)
        ch = Lower(ch);
    return ext;
}

bool HasExtension(std::string_view name, std::string_view dottedLowerExtension)
{
    if (name.size() < dottedLowerExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - dottedLowerExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (Lower(tail[i]) != dottedLowerExtension[i])
            return false;
    return true;
}

} // namespace qb
