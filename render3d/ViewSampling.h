#pragma once
#include "views/GridRange.h"

#include <cstdint>
#include <vector>

namespace qb {

class CHeightGrid;

// The grid the rendering view hands to the mesh build: the range sampled
// every `step` points, heights multiplied by the exaggeration.
struct SampledGrid {
    double step = 1;
    int columns = 0, rows = 0;
    std::vector<float> heights; // row by row; empty when too few samples
    bool Empty() const { return heights.empty(); }
};

// Fewer samples than this either way show nothing.
inline constexpr int kMinSamplesPerSide = 30;

// Positions first, first + step, ... up to last.
int SampleCount(int first, int last, double step);
// The smallest step from sqrt(points / budget) + 0.01 upwards, in hundredths,
// whose samples stay within the budget of 0.9 x `resolution` points.
double SamplingStep(const GridRange& range, std::int64_t resolution);
// Samples the range with SamplingStep; empty heights when fewer than 30
// samples result across or down.
SampledGrid SampleRange(const CHeightGrid& grid, const GridRange& range, std::int64_t resolution,
                        double exaggeration);

} // namespace qb
