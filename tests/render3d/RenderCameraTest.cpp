#include "render3d/RenderCamera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

constexpr unsigned kOrbit = kInputLeftButton | kInputShift;

// Starts a drag of `flags` at (x, y); the first move only sets the point.
void StartDrag(RenderCamera& camera, unsigned flags, int x, int y)
{
    camera.MouseDown(flags & kInputRightButton ? MouseButton::kRight : MouseButton::kLeft);
    EXPECT_FALSE(camera.MouseMove(flags, x, y));
}

TEST(RenderCamera, OffsetAndLightFollowTheirAnglesAndDistances)
{
    RenderCamera camera;
    camera.target = {10, 5, 1};
    const Vec3 eye = camera.Eye();
    EXPECT_NEAR(eye[0], 10, 1e-5);
    EXPECT_NEAR(eye[1], 5 + 24 * std::cos(M_PI / 6), 1e-4);
    EXPECT_NEAR(eye[2], 1 + 12, 1e-4);
    const Vec3 light = camera.LightDirection();
    const double c = std::cos(20 * M_PI / 180) * 20;
    EXPECT_NEAR(light[0], std::cos(M_PI / 4) * c, 1e-4);
    EXPECT_NEAR(light[1], -std::sin(M_PI / 4) * c, 1e-4);
    EXPECT_NEAR(light[2], -std::sin(20 * M_PI / 180) * 20, 1e-4);
}

TEST(RenderCamera, OrbitTurnsCameraAndLightTogetherAndKeepsTheElevationInRange)
{
    RenderCamera camera;
    StartDrag(camera, kOrbit, 100, 100);
    EXPECT_EQ(camera.azimuth, 90) << "the first move does not jump";
    EXPECT_TRUE(camera.MouseMove(kOrbit, 108, 104));
    EXPECT_DOUBLE_EQ(camera.azimuth, 92);
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -43);
    EXPECT_DOUBLE_EQ(camera.elevation, 31);
    camera.MouseMove(kOrbit, 108, 1000);
    EXPECT_DOUBLE_EQ(camera.elevation, 89);
    camera.MouseMove(kOrbit, 108, -1000);
    EXPECT_DOUBLE_EQ(camera.elevation, 0);
    // Past 180 the azimuth comes round to -180.
    camera.azimuth = 179;
    camera.MouseMove(kOrbit, 112, -1000);
    EXPECT_DOUBLE_EQ(camera.azimuth, -180);
}

TEST(RenderCamera, PanMovesTheTargetAcrossAndAlongTheLineOfSight)
{
    RenderCamera camera; // looking from +y (azimuth 90)
    StartDrag(camera, kInputLeftButton, 0, 0);
    EXPECT_TRUE(camera.MouseMove(kInputLeftButton, 40, 0));
    EXPECT_NEAR(camera.target[0], -1, 1e-6);
    EXPECT_NEAR(camera.target[1], 0, 1e-6);
    camera.MouseMove(kInputLeftButton, 40, 80);
    EXPECT_NEAR(camera.target[0], -1, 1e-6);
    EXPECT_NEAR(camera.target[1], -2, 1e-6);
    EXPECT_DOUBLE_EQ(camera.azimuth, 90);
}

TEST(RenderCamera, RightDragMovesOnlyTheLightAndAChangedButtonStartsAfresh)
{
    RenderCamera camera;
    StartDrag(camera, kInputRightButton, 10, 10);
    EXPECT_TRUE(camera.MouseMove(kInputRightButton, 14, 6));
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -44);
    EXPECT_DOUBLE_EQ(camera.lightElevation, -21);
    EXPECT_DOUBLE_EQ(camera.azimuth, 90);
    // Shift pressed during the drag switches to orbiting from the current point.
    EXPECT_FALSE(camera.MouseMove(kOrbit, 500, 500));
    EXPECT_DOUBLE_EQ(camera.azimuth, 90);
    camera.MouseUp(MouseButton::kLeft);
    EXPECT_FALSE(camera.MouseMove(0, 600, 600)) << "moving without a button changes nothing";
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -44);
}

TEST(RenderCamera, WheelChoosesByTheKeysHeldAndStopsAtItsBounds)
{
    RenderCamera camera;
    EXPECT_TRUE(camera.Wheel(kInputControl, 120));
    EXPECT_DOUBLE_EQ(camera.lightDistance, 21);
    EXPECT_TRUE(camera.Wheel(kInputShift, -120));
    EXPECT_FLOAT_EQ(camera.target[2], -0.1f);
    EXPECT_TRUE(camera.Wheel(kInputControl | kInputShift, 120)) << "two keys: the camera distance";
    EXPECT_DOUBLE_EQ(camera.distance, 23);
    EXPECT_TRUE(camera.Wheel(kInputControl | kInputLeftButton, -120));
    EXPECT_DOUBLE_EQ(camera.distance, 24);
    camera.distance = 1;
    EXPECT_FALSE(camera.Wheel(0, 120));
    EXPECT_DOUBLE_EQ(camera.distance, 1);
    camera.lightDistance = 100;
    EXPECT_FALSE(camera.Wheel(kInputControl, 120));
    camera.target[2] = 1000;
    EXPECT_FALSE(camera.Wheel(kInputShift, 120));
}

TEST(RenderCamera, ArrowKeysRaiseAndLowerTheTargetWithinAHundred)
{
    RenderCamera camera;
    EXPECT_TRUE(camera.Key(RenderKey::kUp));
    EXPECT_FLOAT_EQ(camera.target[2], 0.1f);
    EXPECT_FALSE(camera.Key(RenderKey::kOther));
    camera.target[2] = -99.95f;
    EXPECT_TRUE(camera.Key(RenderKey::kDown));
    EXPECT_FLOAT_EQ(camera.target[2], -100);
    EXPECT_FALSE(camera.Key(RenderKey::kDown));
}

TEST(RenderCamera, MenuZoomStaysBetweenOneAndEighty)
{
    RenderCamera camera;
    for (int i = 0; i < 30; ++i)
        camera.ZoomIn();
    EXPECT_DOUBLE_EQ(camera.distance, 1) << "never through the target";
    for (int i = 0; i < 100; ++i)
        camera.ZoomOut();
    EXPECT_DOUBLE_EQ(camera.distance, 80);
    EXPECT_FALSE(camera.ZoomOut());
}

TEST(RenderCamera, ZoomFactorIsTheDistanceOverTwentyFour)
{
    RenderCamera camera;
    camera.distance = 4.8;
    EXPECT_DOUBLE_EQ(camera.ZoomFactor(), 0.2);
    camera.SetZoomFactor(2);
    EXPECT_DOUBLE_EQ(camera.distance, 48);
    camera.SetZoomFactor(0);
    EXPECT_DOUBLE_EQ(camera.distance, 4.8);
    camera.SetZoomFactor(10);
    EXPECT_DOUBLE_EQ(camera.distance, 80) << "not beyond the far plane";
}

TEST(RenderCamera, SpinTurnsCameraAndLightHalfADegreeEachWay)
{
    RenderCamera camera;
    EXPECT_FALSE(camera.SpinStep());
    camera.spin = kSpinRight;
    EXPECT_TRUE(camera.SpinStep());
    EXPECT_DOUBLE_EQ(camera.azimuth, 89.5);
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -45.5);
    camera.spin = kSpinLeft;
    camera.azimuth = 179.5;
    camera.SpinStep();
    EXPECT_DOUBLE_EQ(camera.azimuth, -180);
}

} // namespace
} // namespace qb
