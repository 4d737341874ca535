#include "render3d/LightPosition.h"
#include "render3d/Resolution.h"
#include "render3d/ZoomLogic.h"

#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Texts = std::vector<std::string>;

TEST(LightPosition, EveryChoiceReopensAsItself)
{
    for (const LightAngles camera : {LightAngles{90, 30}, LightAngles{-170, 0}, LightAngles{179, 89}}) {
        for (int direction = 0; direction < 8; ++direction) {
            for (int height = 0; height < 3; ++height) {
                const LightChoice choice{direction, height};
                EXPECT_EQ(LightChoiceOf(camera, LightAnglesOf(choice, camera)), choice)
                    << camera.azimuth << " " << camera.elevation << " " << direction << " " << height;
            }
        }
    }
}

TEST(LightPosition, HeightsGoBelowTheCameraAndAnglesStayWrapped)
{
    const LightAngles camera{90, 30};
    EXPECT_DOUBLE_EQ(LightAnglesOf({0, 0}, camera).elevation, -40);
    EXPECT_DOUBLE_EQ(LightAnglesOf({0, 1}, camera).elevation, -15);
    EXPECT_DOUBLE_EQ(LightAnglesOf({0, 2}, camera).elevation, 0);
    // "手前" is behind the camera's target: half a turn, brought into -180 ... <180.
    EXPECT_DOUBLE_EQ(LightAnglesOf({4, 1}, camera).azimuth, -90);
    EXPECT_DOUBLE_EQ(LightAnglesOf({5, 1}, camera).azimuth, -45);
    EXPECT_DOUBLE_EQ(LightAnglesOf({3, 1}, LightAngles{90, 30}).azimuth, -135);
    EXPECT_DOUBLE_EQ(LightAnglesOf({0, 0}, LightAngles{0, -150}).elevation, 140);
}

TEST(LightPosition, SectorsHaveInclusiveLowerBounds)
{
    const LightAngles camera{0, 30};
    auto direction = [&](double azimuth) { return LightChoiceOf(camera, LightAngles{azimuth, -20}).direction; };
    EXPECT_EQ(direction(-22.5), 0);
    EXPECT_EQ(direction(22.4999), 0);
    EXPECT_EQ(direction(22.5), 1);
    EXPECT_EQ(direction(157.5), 4);
    EXPECT_EQ(direction(-180), 4);
    EXPECT_EQ(direction(-157.5), 5);
    EXPECT_EQ(direction(-67.5), 7);
    EXPECT_EQ(direction(-67.6), 6);
    // The defaults (camera 90°, 30°; light -45°, -20°): right-front, middle.
    EXPECT_EQ(LightChoiceOf(LightAngles{90, 30}, LightAngles{-45, -20}), (LightChoice{5, 1}));
}

TEST(LightPosition, HeightBoundsAndALightLevelWithTheCamera)
{
    const LightAngles camera{0, 30};
    auto height = [&](double elevation) { return LightChoiceOf(camera, LightAngles{0, elevation}).height; };
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
    EXPECT_EQ(ResolutionIndexOf(4194304), 0);
    EXPECT_EQ(ResolutionIndexOf(16777216), 1);
    EXPECT_EQ(ResolutionIndexOf(67108864), 2);
    EXPECT_EQ(ResolutionIndexOf(67108863), 0);
    EXPECT_EQ(ResolutionIndexOf(0), 0);
    EXPECT_EQ(ResolutionOfIndex(1), 16777216);
    EXPECT_EQ(ResolutionOfIndex(3), 67108864);
}

} // namespace
} // namespace qb
