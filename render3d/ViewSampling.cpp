#include "render3d/ViewSampling.h"

#include "terrain/HeightGrid.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr double kStepGrowth = 0.01;

std::int64_t Budget(std::int64_t resolution)
{
    return static_cast<std::int64_t>(static_cast<double>(resolution) * 0.9);
}

std::int64_t Samples(const GridRange& range, double step)
{
    return std::int64_t(SampleCount(range.colFirst, range.colLast, step)) *
           SampleCount(range.rowFirst, range.rowLast, step);
}

} // namespace

int SampleCount(int first, int last, double step)
{
    int count = 0;
    while (first + count * step <= last)
        ++count;
    return count;
}

double SamplingStep(const GridRange& range, std::int64_t resolution)
{
    const std::int64_t budget = std::max<std::int64_t>(1, Budget(resolution));
    const double points = double(range.colLast - range.colFirst + 1) * (range.rowLast - range.rowFirst + 1);
    double step = std::max(1.0, std::sqrt(points / double(budget)) + kStepGrowth);
    while (Samples(range, step) > budget)
        step += kStepGrowth;
    return step;
}

SampledGrid SampleRange(const CHeightGrid& grid, const GridRange& range, std::int64_t resolution,
                        double exaggeration)
{
    SampledGrid sampled;
    sampled.step = SamplingStep(range, resolution);
    const int columns = SampleCount(range.colFirst, range.colLast, sampled.step);
    const int rows = SampleCount(range.rowFirst, range.rowLast, sampled.step);
    if (columns < kMinSamplesPerSide || rows < kMinSamplesPerSide)
        return sampled;
    sampled.columns = columns;
    sampled.rows = rows;
    sampled.heights.resize(std::size_t(columns) * rows);
    float* out = sampled.heights.data();
    for (int r = 0; r < rows; ++r) {
        const double y = range.rowFirst + r * sampled.step;
        for (int c = 0; c < columns; ++c)
            *out++ = static_cast<float>(grid.HeightAt(range.colFirst + c * sampled.step, y) * exaggeration);
    }
    return sampled;
}

} // namespace qb
