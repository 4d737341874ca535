// What the rendering view hands the mesh build and the frames: the range
// resampled within the fineness' budget, and the names on their poles.
#include "places/LabelSettings.h"
#include "places/PlaceRecord.h"
#include "render3d/RenderLabels.h"
#include "render3d/ViewResampling.h"

#include "tests/support/GridBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

TEST(ViewResampling, ALargeRangeGrowsTheStepUntilTheSamplesFitTheBudget)
{
    CHeightGrid grid;
    test::FillGrid(grid, 3000, 3000, [](int r, int c) { return float(r + c); });
    const Resampling samples = ResampleRange(grid, GridRange{0, 0, 2999, 2999}, 4194304, 1.0);
    const double first = std::sqrt(9000000.0 / 3774873.0) + 0.01;
    EXPECT_GE(samples.step, first - 1e-9);
    EXPECT_LT(samples.step, first + 0.015);
    EXPECT_LE(std::int64_t(samples.across) * samples.down, 3774873);
    // One step less would not have fitted.
    const int tighter = SampleCount(0, 2999, samples.step - 0.01);
    EXPECT_GT(std::int64_t(tighter) * tighter, 3774873);
    ASSERT_EQ(samples.heights.size(), std::size_t(samples.across) * samples.down);
    // Heights follow the plane r + c at the sampled points.
    const int j = samples.down / 3, i = samples.across / 2;
    EXPECT_NEAR(samples.heights[std::size_t(j) * samples.across + i], (j + i) * samples.step, 1e-2);
}

TEST(ViewResampling, ASmallRangeIsTakenPointByPointWithTheExaggeration)
{
    CHeightGrid grid;
    test::FillGrid(grid, 100, 80, [](int r, int c) { return float(10 * r + c); });
    const Resampling samples = ResampleRange(grid, GridRange{10, 5, 49, 44}, 67108864, 1.5);
    EXPECT_DOUBLE_EQ(samples.step, 1.0);
    EXPECT_EQ(samples.across, 40);
    EXPECT_EQ(samples.down, 40);
    EXPECT_FLOAT_EQ(samples.heights[0], 1.5f * (10 * 5 + 10));
    EXPECT_FLOAT_EQ(samples.heights[41], 1.5f * (10 * 6 + 11));
}

TEST(ViewResampling, FewerThanThirtySamplesEitherWayGiveNothing)
{
    CHeightGrid grid;
    test::FillGrid(grid, 500, 500, [](int, int) { return 1.0f; });
    const Resampling narrow = ResampleRange(grid, GridRange{0, 0, 24, 399}, 67108864, 1.0);
    EXPECT_EQ(narrow.across, 25);
    EXPECT_TRUE(narrow.heights.empty());
    EXPECT_FALSE(ResampleRange(grid, GridRange{0, 0, 29, 29}, 67108864, 1.0).heights.empty());
    EXPECT_TRUE(ResampleRange(grid, GridRange{0, 0, 29, 28}, 67108864, 1.0).heights.empty());
}

PlaceRecord Place(int kind, int col, int row, float height, const char* name)
{
    PlaceRecord record;
    record.kind = kind;
    record.col = col;
    record.row = row;
    record.height = height;
    record.SetName(name);
    return record;
}

struct RenderLabelChoice : ::testing::Test {
    void SetUp() override
    {
        saved = g_LabelState;
        g_bAutoNames = 0;
        g_bShowKind.fill(1);
    }
    void TearDown() override { g_LabelState = saved; }
    CLabelState saved;
};

TEST_F(RenderLabelChoice, TakesTheShownNamesInsideTheRangeAtMostThirty)
{
    std::vector<PlaceRecord> records;
    records.push_back(Place(0, 5, 5, 100.0f, "outside"));
    records.push_back(Place(0, 23, 17, 250.5f, "peak"));
    for (int i = 0; i < 40; ++i)
        records.push_back(Place(0, 20 + i, 30, 10.0f, "many"));
    LabelViewState view{800, 600, 0};
    const std::vector<RenderLabel> labels =
        ChooseRenderLabels(records.data(), int(records.size()), GridRange{10, 10, 100, 100}, 5.0, 7.5, 2.0, view);
    ASSERT_EQ(labels.size(), std::size_t(kMaxRenderLabels));
    EXPECT_EQ(view.drawnCount, kMaxRenderLabels);
    // Sorted highest first: the peak leads, at its offsets in metres.
    EXPECT_EQ(labels[0].name, "peak");
    EXPECT_DOUBLE_EQ(labels[0].x, 65);
    EXPECT_DOUBLE_EQ(labels[0].y, std::round(7 * 7.5));
    EXPECT_DOUBLE_EQ(labels[0].z, 501);
    for (const RenderLabel& label : labels)
        EXPECT_NE(label.name, "outside");

    g_bShowKind.fill(0);
    EXPECT_TRUE(ChooseRenderLabels(records.data(), int(records.size()), GridRange{10, 10, 100, 100}, 5, 5, 1, view)
                    .empty());
}

TEST(RenderLabelShapes, APoleStandsOnItsPointAndTheQuadFacesTheCamera)
{
    RenderCamera camera;
    camera.azimuth = 0;
    camera.elevation = 0;
    const LabelScale scale{1000, 1000, 5, 0.02f};
    const std::vector<RenderLabel> labels{RenderLabel{100, 200, 50, 0, "abcd"}};
    const std::vector<LabelShape> shapes = LabelShapesOf(labels, camera, scale);
    ASSERT_EQ(shapes.size(), 1u);
    const LabelShape& shape = shapes[0];
    // A fine grid: the pole is a thirtieth of the span high.
    EXPECT_FLOAT_EQ(shape.pole[0].position[0], 2.0f);
    EXPECT_FLOAT_EQ(shape.pole[0].position[2], 1.0f);
    EXPECT_NEAR(shape.pole[1].position[2], (50 + 1000.0 / 30) * 0.02, 1e-5);
    EXPECT_EQ(shape.pole[7].position, shape.pole[1].position);
    // Looking along x, the quad spans y and its plane faces along x.
    EXPECT_NEAR(std::fabs(shape.quad[0].normal[0]), 1.0, 1e-5);
    EXPECT_NEAR(shape.quad[0].position[1] - shape.quad[1].position[1], 2 * 4 * 50.0 / 6 * 0.5 * 0.02, 1e-4);
    EXPECT_FLOAT_EQ(shape.quad[2].v, 0.0f);
    EXPECT_FLOAT_EQ(shape.quad[0].v, 1.0f);
    EXPECT_EQ(shape.quad[0].argb, 0xFFFFFFFFu);
}

} // namespace
} // namespace qb
