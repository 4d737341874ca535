#include "places/PlaceRecord.h"

#include "platform/Cp932.h"

#include <cstring>

namespace qb {

std::string_view PlaceRecord::Name() const
{
    return std::string_view(name, strnlen(name, sizeof name));
}

void PlaceRecord::SetName(std::string_view cp932)
{
    // A zero byte ends the name, as it does in the record: cutting the text
    // there first keeps a character it splits from being stored half.
    const std::string_view kept = TruncateCp932(cp932.substr(0, cp932.find('\0')), kPlaceNameBytes);
    std::memset(name, 0, sizeof name);
    if (!kept.empty())
        std::memcpy(name, kept.data(), kept.size());
}

} // namespace qb
