#include "render3d/LightPositionLogic.h"
#include "render3d/RenderCamera.h"
#include "render3d/ViewDialogValues.h"
#include "render3d/ZoomLogic.h"

#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <utility>

namespace qb {
namespace {

using Texts = std::vector<std::string>;

RenderCamera CameraAt(double azimuth, double elevation, double lightAzimuth = -45, double lightElevation = -20)
{
    RenderCamera camera;
    camera.azimuth = azimuth;
    camera.elevation = elevation;
    camera.lightAzimuth = lightAzimuth;
    camera.lightElevation = lightElevation;
    return camera;
}

TEST(LightPosition, EveryChoiceReopensAsItself)
{
    for (RenderCamera camera : {CameraAt(90, 30), CameraAt(-170, 0), CameraAt(179, 89)}) {
        for (int direction = 0; direction < 8; ++direction) {
            for (int height = 0; height < 3; ++height) {
                ApplyLightChoice(camera, LightChoice{direction, height});
                const LightChoice back = LightChoiceOf(camera);
                EXPECT_EQ(back.direction, direction) << camera.azimuth << " " << camera.elevation << " " << height;
                EXPECT_EQ(back.height, height) << camera.azimuth << " " << camera.elevation << " " << direction;
            }
        }
    }
}

TEST(LightPosition, HeightsGoBelowTheCameraAndAnglesStayWrapped)
{
    RenderCamera camera = CameraAt(90, 30);
    auto apply = [&](int direction, int height) {
        ApplyLightChoice(camera, LightChoice{direction, height});
        return std::pair{camera.lightAzimuth, camera.lightElevation};
    };
    EXPECT_DOUBLE_EQ(apply(0, 0).second, -40);
    EXPECT_DOUBLE_EQ(apply(0, 1).second, -15);
    EXPECT_DOUBLE_EQ(apply(0, 2).second, 0);
    // "手前" is behind the camera's target: half a turn, brought into -180 ... <180.
    EXPECT_DOUBLE_EQ(apply(4, 1).first, -90);
    EXPECT_DOUBLE_EQ(apply(5, 1).first, -45);
    EXPECT_DOUBLE_EQ(apply(3, 1).first, -135);
    camera = CameraAt(0, -150);
    EXPECT_DOUBLE_EQ(apply(0, 0).second, 140);
}

TEST(LightPosition, SectorsHaveInclusiveLowerBounds)
{
    auto direction = [](double azimuth) { return LightChoiceOf(CameraAt(0, 30, azimuth, -20)).direction; };
    EXPECT_EQ(direction(-22.5), 0);
    EXPECT_EQ(direction(22.4999), 0);
    EXPECT_EQ(direction(22.5), 1);
    EXPECT_EQ(direction(157.5), 4);
    EXPECT_EQ(direction(-180), 4);
    EXPECT_EQ(direction(-157.5), 5);
    EXPECT_EQ(direction(-67.5), 7);
    EXPECT_EQ(direction(-67.6), 6);
    // The defaults (camera 90°, 30°; light -45°, -20°): left-front, middle.
    const LightChoice defaults = LightChoiceOf(RenderCamera{});
    EXPECT_EQ(defaults.direction, 5);
    EXPECT_EQ(defaults.height, 1);
}

TEST(LightPosition, HeightBoundsAndALightLevelWithTheCamera)
{
    auto height = [](double elevation) { return LightChoiceOf(CameraAt(0, 30, 0, elevation)).height; };
    EXPECT_EQ(height(30 - 60.01), 0);
    EXPECT_EQ(height(30 - 60), 1);
    // The middle height puts the light exactly 45° lower: it must reopen as itself.
    EXPECT_EQ(height(30 - 45), 1);
    EXPECT_EQ(height(30 - 44.99), 2);
    EXPECT_EQ(height(30 + 70), 0);
    EXPECT_EQ(height(30), 2);
}

TEST(ZoomDialogLogic, OpensWithTheDistanceOverTwentyFourAndRefusesOutOfRange)
{
    test::CRecordingMessageSink messages;
    CZoomLogic logic(messages, 4.8);
    EXPECT_EQ(logic.Text(), "0.2");
    logic.SetText("0");
    EXPECT_FALSE(logic.Ok());
    logic.SetText("10.5");
    EXPECT_FALSE(logic.Ok());
    logic.SetText("abc");
    EXPECT_FALSE(logic.Ok());
    EXPECT_EQ(messages.Texts(), (Texts{"0.1 から 10 までの数字を入力してください。",
                                      "0.1 から 10 までの数字を入力してください。", "数字を入力してください。"}));
    EXPECT_DOUBLE_EQ(logic.Distance(), 4.8);
    logic.SetText(" 2.5 ");
    EXPECT_TRUE(logic.Ok());
    EXPECT_DOUBLE_EQ(logic.Distance(), 60);
    logic.SetText("0.1");
    EXPECT_TRUE(logic.Ok());
    EXPECT_DOUBLE_EQ(logic.Distance(), 2.4);
}

TEST(ResolutionChoice, OnlyAnExactBudgetIsChosen)
{
    EXPECT_EQ(ResolutionIndex(4194304), 0);
    EXPECT_EQ(ResolutionIndex(16777216), 1);
    EXPECT_EQ(ResolutionIndex(67108864), 2);
    EXPECT_EQ(ResolutionIndex(67108863), 0);
    EXPECT_EQ(ResolutionIndex(0), 0);
    EXPECT_EQ(ResolutionOfIndex(1), 16777216);
    // Out of range: the nearest choice.
    EXPECT_EQ(ResolutionOfIndex(3), 67108864);
    EXPECT_EQ(ResolutionOfIndex(-1), 4194304);
}

} // namespace
} // namespace qb
