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
    bool any = false;
    for (std::int64_t i = 0; i < grid.m_nPoints; ++i) {
        if (noData.IsMarked(i))
            continue;
        summary.lowest = any ? std::min(summary.lowest, h[i]) : h[i];
        summary.highest = any ? std::max(summary.highest, h[i]) : h[i];
        any = true;
        ++summary.dataPoints;
    }
    return summary;
}

} // namespace qb
