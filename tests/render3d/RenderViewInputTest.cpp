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

TEST(RenderLabelPlaces, CarryThePointAndTheNameLength)
{
    const std::vector<LabelPlace> places = LabelPlacesOf({RenderLabel{100, 200, 50.5, 0, "abcd"}});
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].metres, (Vec3{100, 200, 50.5f}));
    EXPECT_EQ(places[0].characters, 4);
}

} // namespace
} // namespace qb
