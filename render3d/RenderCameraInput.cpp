#include "render3d/RenderCamera.h"

#include "render3d/Angles.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr double kDegreesPerPixel = 0.25;
constexpr double kPixelsPerPanUnit = 40.0;
constexpr float kTargetStep = 0.1f;
constexpr float kWheelTargetLimit = 1000.0f, kKeyTargetLimit = 100.0f;
constexpr double kMinLightDistance = 1.0, kMaxLightDistance = 100.0;

// Moves `value` by `step` inside lo ... hi; true when it changed.
template <typename T>
bool Nudge(T& value, T step, T lo, T hi)
{
    const T moved = std::clamp(value + step, lo, hi);
    const bool changed = moved != value;
    value = moved;
    return changed;
}

} // namespace

RenderCamera::Drag RenderCamera::DragOf(unsigned flags)
{
    if (flags & kInputLeftButton)
        return flags & kInputShift ? kDragOrbit : kDragPan;
    return flags & kInputRightButton ? kDragLight : kDragNone;
}

bool RenderCamera::MouseDown(MouseButton)
{
    drag_ = kDragNone; // the first move of the press starts its drag
    return false;
}

bool RenderCamera::MouseUp(MouseButton)
{
    drag_ = kDragNone;
    return false;
}

bool RenderCamera::MouseMove(unsigned flags, int x, int y)
{
    const Drag drag = DragOf(flags);
    const int dx = x - lastX_, dy = y - lastY_;
    lastX_ = x;
    lastY_ = y;
    if (drag != drag_) { // a drag starts here, without a jump from an old point
        drag_ = drag;
        return false;
    }
    if (drag == kDragNone || (dx == 0 && dy == 0))
        return false;
    if (drag == kDragOrbit)
        Orbit(dx, dy);
    else if (drag == kDragPan)
        Pan(dx, dy);
    else
        TurnLight(dx, dy);
    WrapAngles();
    return true;
}

void RenderCamera::Orbit(int dx, int dy)
{
    azimuth += kDegreesPerPixel * dx;
    lightAzimuth += kDegreesPerPixel * dx;
    elevation = std::clamp(elevation + kDegreesPerPixel * dy, 0.0, 89.0);
}

void RenderCamera::Pan(int dx, int dy)
{
    const double a = Radians(azimuth);
    const double across = dx / kPixelsPerPanUnit, along = dy / kPixelsPerPanUnit;
    target[0] += static_cast<float>(std::cos(a + kPi / 2) * across - std::cos(a) * along);
    target[1] += static_cast<float>(std::sin(a + kPi / 2) * across - std::sin(a) * along);
}

void RenderCamera::TurnLight(int dx, int dy)
{
    lightAzimuth += kDegreesPerPixel * dx;
    lightElevation += kDegreesPerPixel * dy;
}

void RenderCamera::WrapAngles()
{
    azimuth = WrapDegrees(azimuth);
    elevation = WrapDegrees(elevation);
    lightAzimuth = WrapDegrees(lightAzimuth);
    lightElevation = WrapDegrees(lightElevation);
}

bool RenderCamera::Wheel(unsigned flags, int delta)
{
    const bool up = delta > 0;
    if (flags == kInputControl)
        return Nudge(lightDistance, up ? 1.0 : -1.0, kMinLightDistance, kMaxLightDistance);
    if (flags == kInputShift)
        return Nudge(target[2], up ? kTargetStep : -kTargetStep, -kWheelTargetLimit, kWheelTargetLimit);
    return SetDistance(distance + (up ? -1.0 : 1.0));
}

bool RenderCamera::Key(RenderKey key)
{
    if (key == RenderKey::kOther)
        return false;
    const float step = key == RenderKey::kUp ? kTargetStep : -kTargetStep;
    return Nudge(target[2], step, -kKeyTargetLimit, kKeyTargetLimit);
}

} // namespace qb
