#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qb {

// What the program shows instead of a height where a point has no data.
inline constexpr std::string_view kNoDataText = "データなし";

// Which points of a height grid hold no measured height. The loaders put a
// stand-in height there that the views can draw with (an area's lowest
// height, 0 of a text mesh), so the heights alone no longer tell; the mask
// does. One bit a point; while no point is marked it holds no memory.
class CNoDataMask {
public:
    // A mask of `points` points, none of them marked.
    void Reset(std::int64_t points);
    std::int64_t Points() const { return m_nPoints; }

    bool IsMarked(std::int64_t point) const
    {
        return !m_words.empty() && (m_words[Word(point)] >> Bit(point) & 1u) != 0;
    }
    bool AnyMarked() const;
    std::int64_t CountMarked() const;

    void Mark(std::int64_t point)
    {
        Allocate();
        m_words[Word(point)] |= std::uint64_t(1) << Bit(point);
    }
    void Unmark(std::int64_t point)
    {
        if (!m_words.empty())
            m_words[Word(point)] &= ~(std::uint64_t(1) << Bit(point));
    }
    // Marks the points first .. last - 1.
    void MarkRange(std::int64_t first, std::int64_t last);

    // Marks every point whose height isNoData(height) calls no data.
    template <class IsNoData>
    void MarkWhere(const float* heights, IsNoData isNoData)
    {
        for (std::int64_t i = 0; i < m_nPoints; ++i)
            if (isNoData(heights[i]))
                Mark(i);
    }

    // Calls f(point) for every marked point, in order.
    template <class F>
    void ForEachMarked(F f) const
    {
        for (std::size_t w = 0; w < m_words.size(); ++w)
            for (std::uint64_t bits = m_words[w]; bits != 0; bits &= bits - 1)
                f(static_cast<std::int64_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
    }

private:
    static std::size_t Word(std::int64_t point) { return static_cast<std::size_t>(point) / 64; }
    static unsigned Bit(std::int64_t point) { return static_cast<unsigned>(point % 64); }
    void Allocate();

    std::vector<std::uint64_t> m_words;
    std::int64_t m_nPoints = 0;
};

} // namespace qb
