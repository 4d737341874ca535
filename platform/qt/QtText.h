#pragma once
#include <QString>

#include <string_view>

namespace qb {

// The core's UTF-8 text as a QString.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace qb
