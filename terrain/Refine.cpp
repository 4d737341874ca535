// k-fold refinement of a height grid: Catmull-Rom inside, bilinear at the border.
#include "terrain/HeightGrid.h"

#include "platform/MessageSink.h"
#include "platform/Progress.h"

#include <algorithm>
#include <new>
#include <vector>

namespace qb {
namespace {

constexpr std::string_view kTooLargeMessage = "範囲が広すぎます。";

// The cell parameters 0, 1/k, 2/k, ... while they stay <= 1, summed in single
// precision as the refinement has always done.
std::vector<float> CellParameters(int factor)
{
    std::vector<float> params;
    const float step = 1.0f / static_cast<float>(factor);
    for (float t = 0.0f; t <= 1.0f; t += step)
        params.push_back(t);
    return params;
}

inline float CatmullRom(float p0, float p1, float p2, float p3, float t)
{
    return p1 + 0.5f * t * ((p2 - p0) + t * ((2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) +
                                             t * (3.0f * (p1 - p2) + p3 - p0)));
}

inline void FillIfEmpty(float& target, float value)
{
    if (target == kNoData)
        target = value;
}

class CRefiner {
public:
    CRefiner(const CHeightGrid& grid, int factor, float* out)
        : m_grid(grid), m_k(factor), m_params(CellParameters(factor)), m_out(out),
          m_outCols(static_cast<std::size_t>(grid.m_nCols) * factor)
    {
    }

    void CopyOldPoints()
    {
        for (int r = 0; r < m_grid.m_nRows; ++r)
            for (int c = 0; c < m_grid.m_nCols; ++c)
                Out(r * m_k, c * m_k) = m_grid.Height(r, c);
    }

    // The cells whose 4 x 4 neighbourhood lies inside the grid with their
    // upper-left point in old row r: each column of the neighbourhood is
    // interpolated at v first, then the four results at u.
    void InteriorRow(int r)
    {
        const int cols = m_grid.m_nCols;
        m_columnValues.resize(static_cast<std::size_t>(cols));
        const float* above = &m_grid.Heights()[m_grid.Index(r - 1, 0)];
        const float* row0 = &m_grid.Heights()[m_grid.Index(r, 0)];
        const float* row1 = &m_grid.Heights()[m_grid.Index(r + 1, 0)];
        const float* row2 = &m_grid.Heights()[m_grid.Index(r + 2, 0)];
        for (std::size_t j = 0; j < m_params.size(); ++j) {
            const float v = m_params[j];
            for (int c = 0; c < cols; ++c)
                m_columnValues[c] = CatmullRom(above[c], row0[c], row1[c], row2[c], v);
            float* out = &Out(r * m_k + static_cast<int>(j), 0);
            for (int c = 1; c <= cols - 3; ++c) {
                const float* p = &m_columnValues[static_cast<std::size_t>(c - 1)];
                for (std::size_t i = 0; i < m_params.size(); ++i)
                    FillIfEmpty(out[static_cast<std::size_t>(c) * m_k + i],
                                CatmullRom(p[0], p[1], p[2], p[3], m_params[i]));
            }
        }
    }

    void Border()
    {
        const int rows = m_grid.m_nRows;
        const int cols = m_grid.m_nCols;
        if (rows < 2 || cols < 2)
            return;
        for (int c = 0; c + 1 < cols; ++c) {
            BilinearCell(0, c);
            BilinearCell(rows - 2, c);
        }
        for (int r = 0; r + 1 < rows; ++r) {
            BilinearCell(r, 0);
            BilinearCell(r, cols - 2);
        }
    }

private:
    float& Out(int row, int col)
    {
        return m_out[static_cast<std::size_t>(row) * m_outCols + static_cast<std::size_t>(col)];
    }

    void BilinearCell(int r, int c)
    {
        const float a = m_grid.Height(r, c), b = m_grid.Height(r, c + 1);
        const float d = m_grid.Height(r + 1, c), e = m_grid.Height(r + 1, c + 1);
        for (std::size_t j = 0; j < m_params.size(); ++j) {
            const float v = m_params[j];
            for (std::size_t i = 0; i < m_params.size(); ++i) {
                const float u = m_params[i];
                const float value = (1.0f - v) * ((1.0f - u) * a + u * b) + v * ((1.0f - u) * d + u * e);
                FillIfEmpty(Out(r * m_k + static_cast<int>(j), c * m_k + static_cast<int>(i)), value);
            }
        }
    }

    const CHeightGrid& m_grid;
    const int m_k;
    const std::vector<float> m_params;
    float* m_out;
    const std::size_t m_outCols;
    std::vector<float> m_columnValues;
};

// A refined point between old points has data only when the old points it
// lies between have: an old point without data takes away the new points
// less than one old spacing from it.
void MarkAroundOldNoData(const CNoDataMask& old, int factor, std::int64_t oldCols, std::int64_t oldRows,
                         CNoDataMask& refined)
{
    const std::int64_t k = factor;
    const std::int64_t cols = oldCols * k;
    const std::int64_t lastRow = (oldRows - 1) * k, lastCol = (oldCols - 1) * k;
    old.ForEachMarked([&](std::int64_t point) {
        const std::int64_t r = point / oldCols, c = point % oldCols;
        const std::int64_t c0 = std::max<std::int64_t>((c - 1) * k + 1, 0);
        const std::int64_t c1 = std::min<std::int64_t>((c + 1) * k - 1, lastCol);
        const std::int64_t r1 = std::min<std::int64_t>((r + 1) * k - 1, lastRow);
        for (std::int64_t row = std::max<std::int64_t>((r - 1) * k + 1, 0); row <= r1; ++row)
            refined.MarkRange(row * cols + c0, row * cols + c1 + 1);
    });
}

} // namespace

int CHeightGrid::Refine(int factor, IProgress* progress)
{
    if (factor < 1)
        return 0;
    const std::int64_t cols = std::int64_t(m_nCols) * factor;
    const std::int64_t rows = std::int64_t(m_nRows) * factor;
    if (cols * rows > kMaxGridPoints) {
        ShowMessage(kTooLargeMessage);
        return 0;
    }
    if (!m_pHeights)
        return 0;
    const auto total = static_cast<std::size_t>(cols * rows);
    std::unique_ptr<float[]> refined(new (std::nothrow) float[total]);
    if (!refined) {
        ShowMessage(kOutOfMemoryMessage);
        return 0;
    }
    std::fill(refined.get(), refined.get() + total, kNoData);

    CRefiner refiner(*this, factor, refined.get());
    refiner.CopyOldPoints();
    const int reportEvery = std::max(1, m_nRows / 20);
    for (int r = 1; r <= m_nRows - 3; ++r) {
        refiner.InteriorRow(r);
        if (progress && r % reportEvery == 0) {
            progress->Report(r, m_nRows - 2);
            if (progress->IsCancelled())
                return 0;
        }
    }
    refiner.Border();

    const CNoDataMask oldNoData = std::move(m_noData);
    const int oldCols = m_nCols, oldRows = m_nRows;
    AdoptHeights(std::move(refined), static_cast<int>(cols), static_cast<int>(rows));
    // The points the refinement left without a height (those after the last
    // old row and column) have no data either.
    m_noData.MarkWhere(m_pHeights.get(), [](float v) { return v == kNoData; });
    MarkAroundOldNoData(oldNoData, factor, oldCols, oldRows, m_noData);
    m_nMeshSize /= factor;
    m_nMeshSize2 /= factor;
    return 1;
}

} // namespace qb
