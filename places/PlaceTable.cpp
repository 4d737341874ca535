#include "places/PlaceTable.h"

#include <algorithm>

namespace qb {

void CPlaceTable::Append(const PlaceRecord& record)
{
    if (m_records.size() == m_records.capacity())
        Reserve(Count() + kGrowth);
    m_records.push_back(record);
    m_viewBytes.resize(m_records.size() * m_nViewBytes, 0);
}

void CPlaceTable::Replace(int i, const PlaceRecord& record)
{
    m_records[static_cast<std::size_t>(i)] = record;
    if (m_nViewBytes > 0)
        std::fill_n(ViewBytes(i), m_nViewBytes, std::uint8_t{0});
}

void CPlaceTable::RemoveAt(int i)
{
    const auto index = static_cast<std::size_t>(i);
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
    const auto first = m_viewBytes.begin() + static_cast<std::ptrdiff_t>(index * m_nViewBytes);
    m_viewBytes.erase(first, first + static_cast<std::ptrdiff_t>(m_nViewBytes));
}

void CPlaceTable::Truncate(int count)
{
    const auto kept = std::min(m_records.size(), static_cast<std::size_t>(std::max(count, 0)));
    m_records.resize(kept);
    m_viewBytes.resize(kept * m_nViewBytes);
}

void CPlaceTable::Clear()
{
    m_records.clear();
    m_viewBytes.clear();
}

void CPlaceTable::Reserve(int capacity)
{
    const auto wanted = static_cast<std::size_t>(std::max(capacity, 0));
    m_records.reserve(wanted);
    m_viewBytes.reserve(wanted * m_nViewBytes);
}

std::uint8_t* CPlaceTable::ViewBytes(int i)
{
    if (m_nViewBytes == 0)
        return nullptr;
    return m_viewBytes.data() + static_cast<std::size_t>(i) * m_nViewBytes;
}

} // namespace qb
