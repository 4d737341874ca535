// The OpenGL device drawing the test terrain offscreen, its pixels checked
// against the lighting computed here and the points projected here.
#include "render3d/RenderCamera.h"
#include "render3d/gl/EglOffscreen.h"
#include "render3d/gl/GlRenderDevice.h"
#include "tests/render3d_gl/TestTerrain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace qb::test {
namespace {

constexpr int kWidth = 320, kHeight = 240;

class GlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(m_target.Open(kWidth, kHeight, error)) << error;
        ASSERT_TRUE(m_device.Attach(CEglOffscreen::Resolver(), error)) << error;
        m_device.SetMesh(&m_mesh);
        m_camera.SetScene(m_mesh.target, m_mesh.extent);
    }
    void TearDown() override { m_device.Detach(); }

    std::uint32_t Draw(const RenderFrame& frame)
    {
        m_device.Draw(frame);
        m_pixels = m_target.ReadPixels();
        return m_pixels.front();
    }
    // The pixel a model point shows on in the last frame drawn.
    std::uint32_t At(const RenderFrame& frame, const Vec3& point) const
    {
        int x = 0, y = 0;
        EXPECT_TRUE(PixelOf(frame, point, x, y));
        EXPECT_TRUE(x >= 0 && x < kWidth && y >= 0 && y < kHeight) << x << ", " << y;
        return m_pixels.at(std::size_t(y) * kWidth + std::size_t(x));
    }

    CEglOffscreen m_target;
    CGlRenderDevice m_device;
    TerrainMesh m_mesh = MakeTestTerrain();
    RenderCamera m_camera;
    std::vector<std::uint32_t> m_pixels;
};

const Vec3 kOnRisingSide{11, 10, 3.5f}, kOnFallingSide{17, 10, 3.5f};

std::uint32_t Brightness(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF);
}

TEST_F(GlDeviceTest, DrawsTheSkyTheWallsAndThePondLitAsTheFormulaSays)
{
    const RenderFrame frame = m_camera.Frame(kWidth, kHeight);
    EXPECT_EQ(Draw(frame), kClearColour);
    EXPECT_PRED2(Near, At(frame, {10, 20, 1}), LitColour(kWallColour, {0, 1, 0}, frame.lightDirection));
    EXPECT_PRED2(Near, At(frame, {4.5f, 8, 0}), LitColour(kPondColour, kFlatNormal, frame.lightDirection));
    EXPECT_PRED2(Near, At(frame, {1, 10, 2}), LitColour(kLandColour, kFlatNormal, frame.lightDirection));
}

TEST_F(GlDeviceTest, TheSideFacingTheLightIsTheBrighterWhicheverWayItShines)
{
    RenderFrame frame = m_camera.Frame(kWidth, kHeight);
    Draw(frame);
    const std::uint32_t rising = At(frame, kOnRisingSide), falling = At(frame, kOnFallingSide);
    EXPECT_PRED2(Near, rising, LitColour(kLandColour, kRisingNormal, frame.lightDirection));
    EXPECT_PRED2(Near, falling, LitColour(kLandColour, kFallingNormal, frame.lightDirection));
    EXPECT_GT(Brightness(rising), Brightness(falling) + 30);

    m_camera.lightAzimuth += 180;
    frame = m_camera.Frame(kWidth, kHeight);
    Draw(frame);
    const std::uint32_t risingAfter = At(frame, kOnRisingSide), fallingAfter = At(frame, kOnFallingSide);
    EXPECT_PRED2(Near, risingAfter, LitColour(kLandColour, kRisingNormal, frame.lightDirection));
    EXPECT_PRED2(Near, fallingAfter, LitColour(kLandColour, kFallingNormal, frame.lightDirection));
    EXPECT_GT(Brightness(fallingAfter), Brightness(risingAfter) + 30);
}

TEST_F(GlDeviceTest, ACoarseFrameShowsTheSamePlanesAndNothingBeforeAMeshIsOnlySky)
{
    RenderFrame frame = m_camera.Frame(kWidth, kHeight);
    frame.detail = 3;
    Draw(frame);
    EXPECT_PRED2(Near, At(frame, {1, 10, 2}), LitColour(kLandColour, kFlatNormal, frame.lightDirection));

    m_device.SetMesh(nullptr);
    Draw(frame);
    EXPECT_TRUE(std::all_of(m_pixels.begin(), m_pixels.end(), [](std::uint32_t p) { return p == kClearColour; }));
}

TEST_F(GlDeviceTest, AfterItsObjectsWereReleasedTheDeviceUploadsTheHeldMeshAgain)
{
    const RenderFrame frame = m_camera.Frame(kWidth, kHeight);
    Draw(frame);
    const std::vector<std::uint32_t> before = m_pixels;
    m_device.Detach();
    EXPECT_FALSE(m_device.Attached());
    std::string error;
    ASSERT_TRUE(m_device.Attach(CEglOffscreen::Resolver(), error)) << error;
    Draw(frame);
    EXPECT_EQ(m_pixels, before);
}

// A label standing above the middle of the terrain, its picture red above
// blue, the quad's normal straight up.
LabelShape TestLabel()
{
    LabelShape label;
    const Vec3 up{0, 0, 1};
    for (int i = 0; i < 8; ++i)
        label.pole[std::size_t(i)] = SceneVertex{{10 + 0.1f * float(i % 3), 10, i % 2 ? 8.0f : 5.0f}, up, 0xFFFFFFFF, 0, 0};
    label.quad = {SceneVertex{{9, 10, 8}, up, 0xFFFFFFFF, 0, 1}, SceneVertex{{11, 10, 8}, up, 0xFFFFFFFF, 1, 1},
                  SceneVertex{{9, 10, 9}, up, 0xFFFFFFFF, 0, 0}, SceneVertex{{11, 10, 9}, up, 0xFFFFFFFF, 1, 0}};
    return label;
}

TEST_F(GlDeviceTest, ALabelQuadMultipliesItsPictureByTheLitColourTopRowUp)
{
    const std::vector<LabelBitmap> bitmaps{LabelBitmap{2, 2, {0xFFC00000, 0xFFC00000, 0xFF0000C0, 0xFF0000C0}}};
    m_device.SetLabelBitmaps(bitmaps);
    const std::vector<LabelShape> labels{TestLabel()};
    RenderFrame frame = m_camera.Frame(kWidth, kHeight);
    frame.labels = labels;
    Draw(frame);
    const std::uint32_t lit = LitColour(0xFFFFFFFF, {0, 0, 1}, frame.lightDirection);
    const auto modulate = [lit](std::uint32_t texel) {
        std::uint32_t out = 0xFF000000;
        for (int shift : {16, 8, 0})
            out |= std::uint32_t(std::lround(((texel >> shift) & 0xFF) * ((lit >> shift) & 0xFF) / 255.0)) << shift;
        return out;
    };
    EXPECT_PRED2(Near, At(frame, {10.5f, 10, 8.8f}), modulate(0xFFC00000));
    EXPECT_PRED2(Near, At(frame, {10.5f, 10, 8.2f}), modulate(0xFF0000C0));
}

} // namespace
} // namespace qb::test
