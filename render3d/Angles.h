#pragma once
#include <cmath>

namespace qb {

inline constexpr double kPi = 3.141592653589793;

inline double Radians(double degrees)
{
    return degrees * kPi / 180.0;
}

// Brings an angle in degrees into -180 ... <180 by whole turns.
inline double WrapDegrees(double degrees)
{
    double turned = std::fmod(degrees + 180.0, 360.0);
    if (turned < 0)
        turned += 360.0;
    if (turned >= 360.0) // a tiny negative remainder rounds up to a whole turn
        turned -= 360.0;
    return turned - 180.0;
}

} // namespace qb
