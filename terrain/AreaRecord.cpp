#include "terrain/AreaRecord.h"

#include "platform/Cp932.h"
#include "terrain/MeshNaming.h"

#include <algorithm>
#include <cstring>

namespace qb {

std::int32_t CAreaRecord::Int(std::size_t offset) const
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(m_bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

void CAreaRecord::SetInt(std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// The bytes of a field up to its first zero; a field without one (a damaged
// file) ends at the field's end.
std::string CAreaRecord::Text(std::size_t offset, std::size_t size) const
{
    const auto* begin = m_bytes.data() + offset;
    const auto* end = std::find(begin, begin + size, std::uint8_t{0});
    return std::string(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin));
}

// Stores text and zero-fills the rest of the field; callers pass at most size - 1 bytes.
void CAreaRecord::SetText(std::size_t offset, std::size_t size, std::string_view text)
{
    const std::size_t length = std::min(text.size(), size - 1);
    std::fill_n(m_bytes.data() + offset, size, std::uint8_t{0});
    std::memcpy(m_bytes.data() + offset, text.data(), length);
}

void CAreaRecord::SetMagic(std::string_view magic)
{
    SetText(area_offset::kMagic, area_offset::kMagicSize, magic);
}

void CAreaRecord::SetAreaName(std::string_view cp932)
{
    SetText(area_offset::kAreaName, area_offset::kAreaNameSize,
            TruncateCp932(cp932, area_offset::kAreaNameSize - 1));
}

std::string CAreaRecord::AreaNameUtf8() const
{
    const std::string name = AreaName();
    return Utf8FromCp932(name).value_or(name);
}

bool CAreaRecord::SetAreaNameUtf8(std::string_view utf8)
{
    const auto cp932 = Cp932FromUtf8(utf8);
    if (!cp932)
        return false;
    SetAreaName(*cp932);
    return true;
}

bool CAreaRecord::SetBaseFile(std::string_view path)
{
    if (path.size() >= area_offset::kBaseFileSize)
        return false;
    SetText(area_offset::kBaseFile, area_offset::kBaseFileSize, path);
    return true;
}

void CAreaRecord::SetOldCounts(std::int32_t across, std::int32_t down)
{
    SetInt(area_offset::kOldAcross, across);
    SetInt(area_offset::kOldDown, down);
}

void CAreaRecord::SetCounts(std::int32_t across, std::int32_t down)
{
    SetOldCounts(across, down);
    SetInt(area_offset::kAcross, across);
    SetInt(area_offset::kDown, down);
}

CAreaRecord& CAreaRecords::RecordForKind(int kind)
{
    if (kind == kSourceHybrid5m)
        return fiveMetre;
    if (kind == kSourceHybrid1m)
        return oneMetre;
    return base;
}

} // namespace qb
