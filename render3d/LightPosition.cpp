#include "render3d/LightPosition.h"

#include "render3d/Angles.h"

#include <cmath>

namespace qb {
namespace {

constexpr double kSectorDegrees = 45.0;
// How far below the camera's elevation each height puts the light.
constexpr std::array<double, 3> kHeightDrops = {70.0, 45.0, 30.0};

int HeightOf(double difference)
{
    const double d = std::fabs(difference);
    if (d > 60.0)
        return 0;
    return d >= 45.0 ? 1 : 2;
}

int DirectionOf(double difference)
{
    const int sector = static_cast<int>(std::floor((difference + kSectorDegrees / 2) / kSectorDegrees));
    return ((sector % 8) + 8) % 8;
}

} // namespace

LightChoice LightChoiceOf(const LightAngles& camera, const LightAngles& light)
{
    const double a = WrapDegrees(WrapDegrees(light.azimuth) - WrapDegrees(camera.azimuth));
    const double d = WrapDegrees(WrapDegrees(light.elevation) - WrapDegrees(camera.elevation));
    return LightChoice{DirectionOf(a), HeightOf(d)};
}

LightAngles LightAnglesOf(const LightChoice& choice, const LightAngles& camera)
{
    const int direction = ((choice.direction % 8) + 8) % 8;
    const int height = choice.height < 0 || choice.height > 2 ? 1 : choice.height;
    return LightAngles{WrapDegrees(camera.azimuth + direction * kSectorDegrees),
                       WrapDegrees(camera.elevation - kHeightDrops[static_cast<std::size_t>(height)])};
}

} // namespace qb
