#pragma once
#include <cstdint>

namespace qb {

class CHeightGrid;

// What the points with data of a grid hold: how many there are and their
// lowest and highest heights (both 0 when no point has data).
struct HeightSummary {
    std::int64_t dataPoints = 0;
    float lowest = 0.0f;
    float highest = 0.0f;
};

HeightSummary SummariseHeights(const CHeightGrid& grid);

} // namespace qb
