#include "render3d/LightPositionLogic.h"

#include "render3d/Angles.h"
#include "render3d/RenderCamera.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qb {
namespace {

constexpr std::array<double, 8> kDirectionTurns = {0, 45, 90, 135, 180, -135, -90, -45};
constexpr std::array<double, 3> kHeightDrops = {70, 45, 30};

int HeightIndex(double difference)
{
    const double d = std::fabs(difference);
    if (d > 60)
        return 0;
    // 45 itself is the middle height's own drop, so that choosing it and
    // opening the dialog again shows it again.
    return d >= 45 ? 1 : 2;
}

int DirectionIndex(double turn)
{
    const int sector = static_cast<int>(std::floor((turn + 22.5) / 45));
    return ((sector % 8) + 8) % 8;
}

} // namespace

LightChoice LightChoiceOf(const RenderCamera& camera)
{
    const double turn = WrapDegrees(camera.lightAzimuth - camera.azimuth);
    const double difference = WrapDegrees(camera.lightElevation - camera.elevation);
    return {DirectionIndex(turn), HeightIndex(difference)};
}

void ApplyLightChoice(RenderCamera& camera, const LightChoice& choice)
{
    const int direction = std::clamp(choice.direction, 0, 7), height = std::clamp(choice.height, 0, 2);
    camera.lightAzimuth = WrapDegrees(camera.azimuth + kDirectionTurns[direction]);
    camera.lightElevation = WrapDegrees(camera.elevation - kHeightDrops[height]);
}

} // namespace qb
