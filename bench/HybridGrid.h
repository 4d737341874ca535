#pragma once
#include "render3d/ViewSampling.h"

namespace qb {
class CHeightGrid;
}

namespace qb::bench {

// A grid of across x down copies of a real grid's heights, every other copy
// mirrored so that neighbouring copies meet at the same heights, as the
// rendering view hands a grid to the mesh build (step 1).
SampledGrid MirroredGrid(const CHeightGrid& grid, int across, int down);

} // namespace qb::bench
