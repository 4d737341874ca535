#include "render3d/DragDetail.h"

namespace qb {
namespace {

constexpr double kDragFrameSeconds = 0.150;
// Past this a block of 256 columns keeps only its first and last column.
constexpr int kMaxDetail = 256;

} // namespace

int DragDetail(double fullFrameSeconds)
{
    int k = 1;
    while (k < kMaxDetail && !(fullFrameSeconds / (double(k) * k) < kDragFrameSeconds))
        ++k;
    return k;
}

} // namespace qb
