#pragma once
#include "render3d/RenderFrame.h"

namespace qb {

// Key and button flags that come with a mouse or wheel event.
enum InputFlags : unsigned {
    kInputShift = 1u << 0,
    kInputControl = 1u << 1,
    kInputLeftButton = 1u << 2,
    kInputRightButton = 1u << 3,
    kInputMiddleButton = 1u << 4,
};

enum class MouseButton { kLeft, kRight };
enum class RenderKey { kUp, kDown, kOther };

// Which way the picture turns by itself: still, to the right, to the left.
enum Spin { kSpinStill = 0, kSpinRight = 1, kSpinLeft = 2 };

// The orbiting camera and the directional light of the rendering view, and
// what the mouse, wheel, keys and zoom commands do to them. Angles are in
// degrees; every control returns whether something that shows changed.
class RenderCamera {
public:
    static constexpr double kDefaultDistance = 24.0;
    static constexpr double kMinDistance = 1.0, kMaxDistance = 80.0;

    // Starts the target and extent from a freshly built mesh.
    void SetScene(const Vec3& target, const std::array<float, 2>& extent);

    Vec3 CameraOffset() const; // eye minus target
    Vec3 Eye() const;
    Vec3 LightDirection() const;
    // View, projection and light of a frame of `width` x `height` pixels.
    RenderFrame Frame(int width, int height) const;

    // One frame's turn of a spinning picture.
    bool SpinStep();

    bool MouseDown(MouseButton button);
    bool MouseUp(MouseButton button);
    bool MouseMove(unsigned flags, int x, int y);
    bool Wheel(unsigned flags, int delta);
    bool Key(RenderKey key);

    // The menu's nearer and farther commands, one unit each, inside 1 ... 80.
    bool ZoomIn();
    bool ZoomOut();
    // The zoom dialog's factor: distance over the default distance. Setting
    // it keeps the distance inside 1 ... 80 too (past 80 units the terrain
    // would lie beyond the far plane); a factor of 0 stands for 0.2.
    double ZoomFactor() const;
    void SetZoomFactor(double factor);

    double distance = kDefaultDistance;
    double azimuth = 90.0;
    double elevation = 30.0;
    double lightDistance = 20.0;
    double lightAzimuth = -45.0;
    double lightElevation = -20.0;
    Vec3 target{};
    std::array<float, 2> extent{};
    Spin spin = kSpinStill;

private:
    enum Drag { kDragNone, kDragOrbit, kDragPan, kDragLight };
    static Drag DragOf(unsigned flags);
    void Orbit(int dx, int dy);
    void Pan(int dx, int dy);
    void TurnLight(int dx, int dy);
    void WrapAngles();
    bool SetDistance(double value);

    Drag drag_ = kDragNone;
    int lastX_ = 0, lastY_ = 0;
};

} // namespace qb
