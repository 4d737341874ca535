#include "terrain/MapZoom.h"

namespace qb {

int MapZoomForArea(double squareDegrees)
{
    static constexpr double kThresholds[] = {3, 1, 0.3, 0.1, 0.03, 0.01, 0.003,
                                             0.001, 0.0003, 0.0001, 0.00003, 0.00001};
    int zoom = 6;
    for (const double threshold : kThresholds) {
        if (squareDegrees > threshold)
            return zoom;
        ++zoom;
    }
    return zoom;
}

} // namespace qb
