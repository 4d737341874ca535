#include "render3d/LightPositionLogic.h"

#include "render3d/RenderCamera.h"
#include "render3d/ViewDialogValues.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

RenderCamera CameraWithLight(double turn, double rise)
{
    RenderCamera camera; // azimuth 90, elevation 30
    camera.lightAzimuth = camera.azimuth + turn;
    camera.lightElevation = camera.elevation + rise;
    return camera;
}

TEST(RenderLightPosition, EveryDirectionComesBackAsChosen)
{
    for (int direction = 0; direction < 8; ++direction) {
        for (int height = 0; height < 3; ++height) {
            RenderCamera camera;
            camera.azimuth = -170; // the light's azimuth wraps past -180
            ApplyLightChoice(camera, {direction, height});
            const LightChoice back = LightChoiceOf(camera);
            EXPECT_EQ(back.direction, direction) << direction << "/" << height;
            EXPECT_EQ(back.height, height) << direction << "/" << height;
        }
    }
    RenderCamera camera;
    ApplyLightChoice(camera, {4, 1}); // "手前"
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -90);
    EXPECT_EQ(LightChoiceOf(camera).direction, 4);
    EXPECT_DOUBLE_EQ(camera.lightDistance, 20) << "the distance stays";
}

TEST(RenderLightPosition, HeightsLieSeventyFortyFiveAndThirtyBelowTheCamera)
{
    RenderCamera camera;
    ApplyLightChoice(camera, {0, 0});
    EXPECT_DOUBLE_EQ(camera.lightElevation, -40);
    ApplyLightChoice(camera, {0, 2});
    EXPECT_DOUBLE_EQ(camera.lightElevation, 0);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(0, -61)).height, 0);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(0, 60)).height, 1);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(0, -45)).height, 1) << "the middle height's own drop";
    EXPECT_EQ(LightChoiceOf(CameraWithLight(0, -44.9)).height, 2);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(0, 0)).height, 2) << "level with the camera: low";
}

TEST(RenderLightPosition, SectorsIncludeTheirLowerBound)
{
    EXPECT_EQ(LightChoiceOf(CameraWithLight(-22.5, 0)).direction, 0);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(22.4, 0)).direction, 0);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(22.5, 0)).direction, 1);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(157.5, 0)).direction, 4);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(-157.6, 0)).direction, 4);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(-157.5, 0)).direction, 5);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(-67.5, 0)).direction, 7);
    EXPECT_EQ(LightChoiceOf(CameraWithLight(-67.6, 0)).direction, 6);
}

TEST(RenderViewDialogs, ZoomOpensWithTheDistanceOverTwentyFourAndRefusesZero)
{
    RenderCamera camera;
    camera.distance = 4.8;
    EXPECT_DOUBLE_EQ(camera.ZoomFactor(), 0.2);
    EXPECT_FALSE(IsZoomFactorAccepted(0));
    EXPECT_FALSE(IsZoomFactorAccepted(10.01));
    EXPECT_TRUE(IsZoomFactorAccepted(0.1));
    EXPECT_TRUE(IsZoomFactorAccepted(10));
}

TEST(RenderViewDialogs, FinenessShowsTheExactBudgetOrTheFirstChoice)
{
    EXPECT_EQ(ResolutionIndex(16'777'216), 1);
    EXPECT_EQ(ResolutionIndex(67'108'864), 2);
    EXPECT_EQ(ResolutionIndex(5'000'000), 0);
    EXPECT_EQ(ResolutionOfIndex(2), 67'108'864);
    EXPECT_EQ(ResolutionOfIndex(9), 67'108'864);
}

} // namespace
} // namespace qb
