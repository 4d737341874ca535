#include "render3d/LabelShapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb {
namespace {

// A square of 1,000 m a side: 20 model units, 0.02 a metre.
TerrainMesh Square()
{
    TerrainMesh mesh;
    mesh.columns = mesh.rows = 100;
    mesh.colSpacing = mesh.rowSpacing = 10;
    mesh.scale = 0.02f;
    return mesh;
}

void ExpectNear(const Vec3& got, const Vec3& want)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-4) << i;
}

const Vec3 kCameraOnNorthSide{0, float(24 * std::cos(M_PI / 6)), 12}; // azimuth 90, elevation 30

TEST(RenderLabelShapes, APoleIsAPrismStandingOnThePlace)
{
    const std::vector<LabelPlace> places{{{200, 300, 50}, 4}};
    const auto shapes = MakeLabelShapes(places, Square(), false, kCameraOnNorthSide);
    ASSERT_EQ(shapes.size(), 1u);
    const auto& pole = shapes[0].pole;
    const double p = 1000.0 / 30, c = 1000.0 / 1200;
    ExpectNear(pole[0].position, {4, 6, 1});
    ExpectNear(pole[1].position, {4, 6, float((50 + p) * 0.02)});
    ExpectNear(pole[2].position, {float((200 + c) * 0.02), 6, 1});
    ExpectNear(pole[5].position, {float((200 + c / 2) * 0.02), float((300 + 0.866 * c) * 0.02), float((50 + p) * 0.02)});
    EXPECT_EQ(pole[6].position, pole[0].position) << "the strip closes round the prism";
    EXPECT_EQ(pole[7].position, pole[1].position);
    EXPECT_EQ(pole[3].normal, (Vec3{0.866f, -0.5f, 0}));
    EXPECT_EQ(pole[4].normal, (Vec3{0, 1, 0}));
}

TEST(RenderLabelShapes, TheNameQuadStandsAcrossTheLineOfSightLeaningBack)
{
    // Six characters with text size 50 m: 25 m either side; 10 m tall, leaning 30 degrees.
    const std::vector<LabelPlace> places{{{200, 300, 50}, 6}};
    const auto quad = MakeLabelShapes(places, Square(), false, kCameraOnNorthSide)[0].quad;
    const double top = 50 + 1000.0 / 30;
    ExpectNear(quad[0].position, {175 * 0.02f, 6, float(top * 0.02)});
    ExpectNear(quad[1].position, {225 * 0.02f, 6, float(top * 0.02)});
    ExpectNear(quad[2].position, {175 * 0.02f, 295 * 0.02f, float((top + 10 * std::sin(2 * M_PI / 3)) * 0.02)});
    ExpectNear(quad[3].position, {225 * 0.02f, 295 * 0.02f, float((top + 10 * std::sin(2 * M_PI / 3)) * 0.02)});
    EXPECT_EQ(std::make_pair(quad[0].u, quad[0].v), std::make_pair(0.0f, 1.0f));
    EXPECT_EQ(std::make_pair(quad[3].u, quad[3].v), std::make_pair(1.0f, 0.0f));
    for (const SceneVertex& v : quad) {
        ExpectNear(v.normal, {0, 0.866f, 0.5f}); // towards the camera
        EXPECT_EQ(v.argb, 0xFFFFFFFFu);
    }
}

TEST(RenderLabelShapes, CoarseGridsGetTallerLabelsAndAtMostThirtyAreShown)
{
    const std::vector<LabelPlace> places(40, LabelPlace{{0, 0, 0}, 2});
    const auto shapes = MakeLabelShapes(places, Square(), true, kCameraOnNorthSide);
    ASSERT_EQ(shapes.size(), 30u);
    EXPECT_NEAR(shapes[0].pole[1].position[2], 100 * 0.02f, 1e-5) << "pole a tenth of the side";
    EXPECT_NEAR(shapes[0].pole[2].position[0], 1000.0 / 600 * 0.02, 1e-6);
    EXPECT_EQ(shapes[29].bitmap, 29);
}

} // namespace
} // namespace qb
