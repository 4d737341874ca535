#include "terrain/HeightSummary.h"

#include "terrain/HeightGrid.h"

#include <algorithm>

namespace qb {

HeightSummary SummariseHeights(const CHeightGrid& grid)
{
    HeightSummary summary;
    if (!grid.HasHeights())
        return summary;
    const float* h = grid.Heights();
    const CNoDataMask& noData = grid.NoData();
    for (std::int64_t i = 0; i < grid.m_nPoints; ++i) {
        if (noData.IsMarked(i))
            continue;
        const bool first = summary.dataPoints++ == 0;
        summary.lowest = first ? h[i] : std::min(summary.lowest, h[i]);
        summary.highest = first ? h[i] : std::max(summary.highest, h[i]);
    }
    return summary;
}

} // namespace qb
