#include "render3d/Resolution.h"

#include <algorithm>

namespace qb {

int ResolutionIndexOf(std::int32_t resolution)
{
    const auto* found = std::find(kResolutionBudgets.begin(), kResolutionBudgets.end(), resolution);
    return found == kResolutionBudgets.end() ? 0 : static_cast<int>(found - kResolutionBudgets.begin());
}

std::int32_t ResolutionOfIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(kResolutionBudgets.size()))
        return kDefaultResolution;
    return kResolutionBudgets[static_cast<std::size_t>(index)];
}

} // namespace qb
