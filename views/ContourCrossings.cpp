#include "views/ContourCrossings.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

// Rounds a window coordinate to the nearest point; values that no window
// holds are pinned so the conversion stays defined.
int RoundToPoint(double value)
{
    constexpr double kLimit = 1e9;
    return static_cast<int>(std::floor(std::clamp(value, -kLimit, kLimit) + 0.5));
}

constexpr double kMaxLevelsPerEdge = 100000.0;

} // namespace

void AppendCrossings(const ContourLevels& levels, const EdgeEnd& a, const EdgeEnd& b,
                     std::vector<Crossing>& out)
{
    if (std::isnan(a.height) || std::isnan(b.height) || a.height == b.height || !(levels.interval > 0.0))
        return;
    const EdgeEnd& low = a.height < b.height ? a : b;
    const EdgeEnd& high = a.height < b.height ? b : a;
    const double span = high.height - low.height;
    const double fx = (high.point.x - low.point.x) / span;
    const double fy = (high.point.y - low.point.y) / span;
    // Start one level below the lower end so that rounding in the division
    // cannot skip a level lying exactly on it; levels are first + k x interval
    // so that the same level is the same number on every edge.
    const double start = std::max(std::floor((low.height - levels.first) / levels.interval) - 1.0, 0.0);
    const double end = std::floor((high.height - levels.first) / levels.interval) + 1.0;
    // Heights far beyond any terrain would ask for endless levels.
    if (!std::isfinite(start) || !(end - start <= kMaxLevelsPerEdge))
        return;
    for (double k = start; k <= end; k += 1.0) {
        const double v = levels.first + k * levels.interval;
        if (!(v < levels.top) || v > high.height)
            break;
        if (v < low.height)
            continue;
        out.push_back({RoundToPoint(low.point.x + (v - low.height) * fx),
                       RoundToPoint(low.point.y + (v - low.height) * fy), v, 0});
    }
}

} // namespace qb
