#include "render3d/DragDetail.h"

namespace qb {
namespace {

constexpr double kDragFrameSeconds = 0.150;
// What a frame costs whatever its detail (the clear, a draw call a block and
// the walls): about 20 ms for 1,024 blocks on a software rasteriser. The
// thinned terrain must fit in what is left.
constexpr double kFixedFrameSeconds = 0.030;
// Past this a block of 256 columns keeps only its first and last column.
constexpr int kMaxDetail = 256;
// Vertices a second of a software rasteriser on two cores, lit and filled.
constexpr double kSoftwareVerticesPerSecond = 1.5e6;

} // namespace

int DragDetail(double fullFrameSeconds)
{
    int k = 1;
    while (k < kMaxDetail && !(fullFrameSeconds / (double(k) * k) < kDragFrameSeconds - kFixedFrameSeconds))
        ++k;
    return k;
}

int FirstFrameDetail(std::int64_t vertices, std::int64_t lastVertices, double lastSeconds)
{
    const bool known = lastVertices > 0 && lastSeconds > 0;
    const double seconds = known ? lastSeconds * double(vertices) / double(lastVertices)
                                 : double(vertices) / kSoftwareVerticesPerSecond;
    return DragDetail(seconds);
}

} // namespace qb
