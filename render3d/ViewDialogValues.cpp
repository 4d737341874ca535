#include "render3d/ViewDialogValues.h"

#include <algorithm>

namespace qb {

int ResolutionIndex(std::int64_t resolution)
{
    const auto found = std::find(kResolutionChoices.begin(), kResolutionChoices.end(), resolution);
    return found == kResolutionChoices.end() ? 0 : static_cast<int>(found - kResolutionChoices.begin());
}

std::int64_t ResolutionOfIndex(int index)
{
    return kResolutionChoices[std::clamp(index, 0, static_cast<int>(kResolutionChoices.size()) - 1)];
}

bool IsZoomFactorAccepted(double factor)
{
    return factor >= kMinZoomFactor && factor <= kMaxZoomFactor;
}

} // namespace qb
