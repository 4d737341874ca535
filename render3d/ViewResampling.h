#pragma once
#include "views/GridRange.h"

#include <cstdint>
#include <vector>

namespace qb {

class CHeightGrid;

// The fewest samples across and down that the rendering view builds a mesh of.
inline constexpr int kMinRenderSamples = 30;

// A range of a grid sampled every `step` points (a fraction above 1 when the
// range holds more points than the budget), heights times the exaggeration.
struct Resampling {
    int across = 0, down = 0;
    double step = 1.0;
    std::vector<float> heights; // across x down, row by row; empty when too few samples
};

// Samples `range` of `grid` within 0.9 x `resolution` points: the step
// starts at max(1, sqrt(points / budget) + 0.01) and grows by 0.01 until
// the samples fit. Fewer than 30 samples either way gives no heights.
Resampling ResampleRange(const CHeightGrid& grid, const GridRange& range, std::int32_t resolution, double exaggeration);

// The samples a step gives from `first` to `last` inclusive.
int SampleCount(int first, int last, double step);

} // namespace qb
