#include "render3d/RenderCamera.h"

#include "render3d/Angles.h"
#include "render3d/Matrices.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr float kFieldOfView = static_cast<float>(kPi / 4);
constexpr float kNearPlane = 1.0f, kFarPlane = 100.0f;
constexpr double kSpinDegrees = 0.5;
// The zoom dialog's 0 stands for this factor.
constexpr double kZeroZoomFactor = 0.2;

// (cos a cos e r, sin a cos e r, sin e r) of azimuth a, elevation e in degrees.
Vec3 Spherical(double azimuth, double elevation, double r)
{
    const double a = Radians(azimuth), e = Radians(elevation);
    return {static_cast<float>(std::cos(a) * std::cos(e) * r), static_cast<float>(std::sin(a) * std::cos(e) * r),
            static_cast<float>(std::sin(e) * r)};
}

} // namespace

void RenderCamera::SetScene(const Vec3& sceneTarget, const std::array<float, 2>& sceneExtent)
{
    target = sceneTarget;
    extent = sceneExtent;
}

Vec3 RenderCamera::CameraOffset() const
{
    return Spherical(azimuth, elevation, distance);
}

Vec3 RenderCamera::Eye() const
{
    const Vec3 offset = CameraOffset();
    return {target[0] + offset[0], target[1] + offset[1], target[2] + offset[2]};
}

Vec3 RenderCamera::LightDirection() const
{
    return Spherical(lightAzimuth, lightElevation, lightDistance);
}

RenderFrame RenderCamera::Frame(int width, int height) const
{
    RenderFrame frame;
    frame.width = width;
    frame.height = height;
    frame.view = LookAtLH(Eye(), target, {0, 0, 1});
    const float aspect = height > 0 && width > 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
    frame.projection = PerspectiveFovLH(kFieldOfView, aspect, kNearPlane, kFarPlane);
    frame.lightDirection = LightDirection();
    return frame;
}

bool RenderCamera::SpinStep()
{
    if (spin == kSpinStill)
        return false;
    const double turn = spin == kSpinRight ? -kSpinDegrees : kSpinDegrees;
    azimuth = WrapDegrees(azimuth + turn);
    lightAzimuth = WrapDegrees(lightAzimuth + turn);
    return true;
}

bool RenderCamera::SetDistance(double value)
{
    const double clamped = std::clamp(value, kMinDistance, kMaxDistance);
    const bool changed = clamped != distance;
    distance = clamped;
    return changed;
}

bool RenderCamera::ZoomIn()
{
    return SetDistance(distance - 1);
}

bool RenderCamera::ZoomOut()
{
    return SetDistance(distance + 1);
}

double RenderCamera::ZoomFactor() const
{
    return distance / kDefaultDistance;
}

void RenderCamera::SetZoomFactor(double factor)
{
    SetDistance((factor == 0 ? kZeroZoomFactor : factor) * kDefaultDistance);
}

} // namespace qb
