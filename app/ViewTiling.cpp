#include "app/ViewTiling.h"

#include <algorithm>

namespace qb {

ThreeViewLayout TileThreeViews(int clientWidth, int clientHeight)
{
    const int w = clientWidth;
    const int h = clientHeight;
    if (h < w) {
        return {{0, 0, 2 * w / 3, h},
                {2 * w / 3, 0, w / 3, h / 2},
                {2 * w / 3, h / 2, w / 3, h / 2}};
    }
    return {{0, 0, w, 2 * h / 3},
            {0, 2 * h / 3, w / 2, h / 3},
            {w / 2, 2 * h / 3, w / 2, h / 3}};
}

void TilingClientSize(const BarsState& bars, int& width, int& height)
{
    if (bars.statusVisibleDocked)
        height -= bars.statusHeight + 4;
    if (bars.toolbarVisibleDocked) {
        if (bars.toolbarHeight > bars.toolbarWidth)
            width -= bars.toolbarWidth + 8;
        else
            height -= bars.toolbarHeight + 3;
    }
    // A window shrunk below its bars leaves no room rather than a negative one.
    width = std::max(width, 0);
    height = std::max(height, 0);
}

FallbackTiling FallbackTilingFor(int clientWidth, int clientHeight)
{
    return clientHeight >= clientWidth ? FallbackTiling::Horizontal : FallbackTiling::Vertical;
}

} // namespace qb
