#pragma once

namespace qb {

// The coarsest-needed detail for frames drawn while dragging: the smallest
// k >= 1 whose frame, estimated at a k-th of the columns and rows of a full
// frame taking `fullFrameSeconds` plus the fixed cost of any frame, stays
// under 0.15 seconds.
int DragDetail(double fullFrameSeconds);

} // namespace qb
