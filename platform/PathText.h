#pragma once
#include <string>
#include <string_view>

namespace qb {

// The extension of a file name or path in lower case, without the dot ("3dm"
// for "a/B.3DM"); empty when the last part of the path has none. Both "/" and
// "\" separate folders.
std::string LowerExtension(std::string_view path);

// Whether a file name ends in the extension (".xml", ".zip"), compared without case.
bool HasExtension(std::string_view name, std::string_view dottedLowerExtension);

} // namespace qb
