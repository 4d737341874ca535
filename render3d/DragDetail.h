#pragma once
#include <cstdint>

namespace qb {

// The coarsest-needed detail for frames drawn while dragging: the smallest
// k >= 1 whose frame, estimated at a k-th of the columns and rows of a full
// frame taking `fullFrameSeconds` plus the fixed cost of any frame, stays
// under 0.15 seconds.
int DragDetail(double fullFrameSeconds);

// The detail of the first frame of a newly built mesh of `vertices`: that of
// a drag when its full frame is estimated to be slow, from the last full
// frame (`lastVertices` drawn in `lastSeconds`) or, before any, at the rate
// of a software rasteriser. 1 when the full frame is quick.
int FirstFrameDetail(std::int64_t vertices, std::int64_t lastVertices, double lastSeconds);

} // namespace qb
