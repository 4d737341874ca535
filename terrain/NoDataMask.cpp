#include "terrain/NoDataMask.h"

#include <algorithm>

namespace qb {

void CNoDataMask::Reset(std::int64_t points)
{
    m_words.clear();
    m_words.shrink_to_fit();
    m_nPoints = points > 0 ? points : 0;
}

void CNoDataMask::Allocate()
{
    if (m_words.empty())
        m_words.assign(static_cast<std::size_t>((m_nPoints + 63) / 64), 0);
}

bool CNoDataMask::AnyMarked() const
{
    return std::any_of(m_words.begin(), m_words.end(), [](std::uint64_t word) { return word != 0; });
}

std::int64_t CNoDataMask::CountMarked() const
{
    std::int64_t count = 0;
    for (const std::uint64_t word : m_words)
        count += std::popcount(word);
    return count;
}

void CNoDataMask::MarkRange(std::int64_t first, std::int64_t last)
{
    if (first >= last)
        return;
    Allocate();
    // Whole words at once; the partial words at either end bit by bit.
    while (first < last && first % 64 != 0)
        Mark(first++);
    for (; first + 64 <= last; first += 64)
        m_words[Word(first)] = ~std::uint64_t(0);
    while (first < last)
        Mark(first++);
}

} // namespace qb
