#include "render3d/Matrices.h"
#include "render3d/gl/GlClipMatrix.h"

#include <gtest/gtest.h>

namespace qb::test {
namespace {

// Clip coordinates of a point under a matrix read column by column, as the
// shader reads it.
std::array<float, 4> Clip(const Matrix4& columns, const Vec3& p)
{
    std::array<float, 4> clip{};
    for (int r = 0; r < 4; ++r)
        clip[std::size_t(r)] = columns[std::size_t(r)] * p[0] + columns[std::size_t(4 + r)] * p[1] +
                               columns[std::size_t(8 + r)] * p[2] + columns[std::size_t(12 + r)];
    return clip;
}

TEST(GlClipMatrix, PutsTheNearPlaneAtMinusOneAndTheFarPlaneAtOneKeepingXAndY)
{
    const Matrix4 view = LookAtLH({0, -10, 0}, {0, 0, 0}, {0, 0, 1});
    const Matrix4 projection = PerspectiveFovLH(0.785398f, 4.0f / 3.0f, 1, 100);
    const Matrix4 clip = GlClipMatrix(view, projection);
    const auto near = Clip(clip, {0, -9, 0}), far = Clip(clip, {0, 90, 0});
    EXPECT_NEAR(near[2] / near[3], -1, 1e-5);
    EXPECT_NEAR(far[2] / far[3], 1, 1e-4);
    // Left-handed: looking along +y with z up, -x is to the right.
    const auto side = Clip(clip, {-2, 0, 1});
    EXPECT_GT(side[0] / side[3], 0.1f);
    EXPECT_GT(side[1] / side[3], 0.1f);
    EXPECT_NEAR(side[3], 10, 1e-4);
}

} // namespace
} // namespace qb::test
