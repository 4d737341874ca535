#include "render3d/DragDetail.h"
#include "render3d/Matrices.h"
#include "render3d/RenderCamera.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace qb {
namespace {

// (x, y, z, 1) times a row-vector matrix.
std::array<float, 4> Times(const Vec3& p, const Matrix4& m)
{
    std::array<float, 4> r{};
    for (int c = 0; c < 4; ++c)
        r[c] = p[0] * m[c] + p[1] * m[4 + c] + p[2] * m[8 + c] + m[12 + c];
    return r;
}

TEST(RenderMatrices, LookAtPutsTheEyeAtTheOriginLookingDownPositiveZ)
{
    const Matrix4 m = LookAtLH({0, 0, -5}, {0, 0, 0}, {0, 1, 0});
    EXPECT_EQ(m, (Matrix4{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 5, 1}));
    // A camera on +y looking at (2, 0, 0) with z up: right is +x, up is z.
    const Matrix4 v = LookAtLH({2, 10, 0}, {2, 0, 0}, {0, 0, 1});
    const auto target = Times({2, 0, 0}, v), right = Times({3, 0, 0}, v), up = Times({2, 0, 1}, v);
    EXPECT_NEAR(target[2], 10, 1e-5);
    EXPECT_NEAR(right[0], 1, 1e-5) << "x = up cross forward";
    EXPECT_NEAR(up[1], 1, 1e-5);
}

TEST(RenderMatrices, PerspectiveMapsNearToDepthZeroAndFarToOne)
{
    const Matrix4 p = PerspectiveFovLH(static_cast<float>(M_PI / 2), 2.0f, 1.0f, 100.0f);
    EXPECT_NEAR(p[0], 0.5f, 1e-6);
    EXPECT_NEAR(p[5], 1.0f, 1e-6);
    EXPECT_EQ(p[11], 1.0f);
    for (float z : {1.0f, 100.0f}) {
        const auto clip = Times({0, 0, z}, p);
        EXPECT_NEAR(clip[2] / clip[3], z == 1.0f ? 0.0f : 1.0f, 1e-6);
    }
}

TEST(RenderMatrices, TheFrameShowsTheTargetInTheMiddle)
{
    RenderCamera camera;
    camera.target = {10, 5, 1};
    const RenderFrame frame = camera.Frame(800, 600);
    const auto eyeSpace = Times(camera.target, frame.view);
    const auto clip = Times({eyeSpace[0], eyeSpace[1], eyeSpace[2]}, frame.projection);
    EXPECT_NEAR(clip[0] / clip[3], 0, 1e-5);
    EXPECT_NEAR(clip[1] / clip[3], 0, 1e-5);
    EXPECT_NEAR(eyeSpace[2], 24, 1e-4);
    EXPECT_NEAR(frame.projection[0] * 800 / 600, frame.projection[5], 1e-5) << "aspect width over height";
    EXPECT_EQ(frame.lightDirection, camera.LightDirection());
}

TEST(RenderMatrices, DragDetailIsTheLeastThinningThatMakesAFrameQuick)
{
    EXPECT_EQ(DragDetail(0.0), 1);
    EXPECT_EQ(DragDetail(0.119), 1);
    EXPECT_EQ(DragDetail(0.12), 2) << "30 ms of every frame do not shrink with the detail";
    EXPECT_EQ(DragDetail(0.479), 2);
    EXPECT_EQ(DragDetail(0.48), 3) << "0.48 / 4 is not under 0.12";
    EXPECT_EQ(DragDetail(3.0), 6);
    EXPECT_EQ(DragDetail(13.7), 11) << "a 54-million-point mesh on a software rasteriser";
}

TEST(RenderMatrices, AFreshMeshIsFirstDrawnCoarseOnlyWhereItsFullFrameWouldBeSlow)
{
    // Scaled from the last full frame: 1 million points took 0.05 s on a GPU.
    EXPECT_EQ(FirstFrameDetail(3'375'000, 1'000'000, 0.05), 2);
    EXPECT_EQ(FirstFrameDetail(1'000'000, 1'000'000, 0.05), 1);
    // 3.4 million points took 2.2 s on the software rasteriser: about 0.1 s at a quarter.
    EXPECT_EQ(FirstFrameDetail(3'375'000, 3'375'000, 2.2), 5);
    // Before any frame, at the software rate: the whole cell coarse, a small range in full.
    EXPECT_GT(FirstFrameDetail(3'375'000, 0, 0.0), 1);
    EXPECT_EQ(FirstFrameDetail(100'000, 0, 0.0), 1);
}

} // namespace
} // namespace qb
