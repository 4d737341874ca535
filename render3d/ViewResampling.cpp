#include "render3d/ViewResampling.h"

#include "terrain/HeightGrid.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr double kBudgetShare = 0.9;
constexpr double kStepGrowth = 0.01;

} // namespace

int SampleCount(int first, int last, double step)
{
    int count = 0;
    while (first + count * step <= last)
        ++count;
    return count;
}

Resampling ResampleRange(const CHeightGrid& grid, const GridRange& range, std::int32_t resolution, double exaggeration)
{
    Resampling out;
    const std::int64_t budget = std::max<std::int64_t>(1, static_cast<std::int64_t>(resolution * kBudgetShare));
    const double points = double(range.colLast - range.colFirst + 1) * double(range.rowLast - range.rowFirst + 1);
    out.step = std::max(1.0, std::sqrt(points / double(budget)) + kStepGrowth);
    for (;;) {
        out.across = SampleCount(range.colFirst, range.colLast, out.step);
        out.down = SampleCount(range.rowFirst, range.rowLast, out.step);
        if (std::int64_t(out.across) * out.down <= budget)
            break;
        out.step += kStepGrowth;
    }
    if (out.across < kMinRenderSamples || out.down < kMinRenderSamples)
        return out;
    out.heights.reserve(std::size_t(out.across) * std::size_t(out.down));
    for (int j = 0; j < out.down; ++j) {
        const double y = range.rowFirst + j * out.step;
        for (int i = 0; i < out.across; ++i)
            out.heights.push_back(static_cast<float>(grid.HeightAt(range.colFirst + i * out.step, y) * exaggeration));
    }
    return out;
}

} // namespace qb
