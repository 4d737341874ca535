// What the rendering view hands the mesh build and the frames: the range
// resampled within the fineness' budget, and the names on their poles.
#include "places/LabelSettings.h"
#include "places/PlaceRecord.h"
#include "render3d/RenderLabelChoice.h"
#include "render3d/ViewSampling.h"

#include "tests/support/GridBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

TEST(ViewResampling, ALargeRangeGrowsTheStepUntilTheSamplesFitTheBudget)
{
    CHeightGrid grid;
    test::FillGrid(grid, 3000, 3000, [](int r, int c) { return float(r + c); });
    const SampledGrid samples = SampleRange(grid, GridRange{0, 0, 2999, 2999}, 4194304, 1.0);
    const double first = std::sqrt(9000000.0 / 3774873.0) + 0.01;
    EXPECT_GE(samples.step, first - 1e-9);
    EXPECT_LT(samples.step, first + 0.015);
    EXPECT_LE(std::int64_t(samples.columns) * samples.rows, 3774873);
    // One step less would not have fitted.
    const int tighter = SampleCount(0, 2999, samples.step - 0.01);
    EXPECT_GT(std::int64_t(tighter) * tighter, 3774873);
    ASSERT_EQ(samples.heights.size(), std::size_t(samples.columns) * samples.rows);
    // Heights follow the plane r + c at the sampled points.
    const int j = samples.rows / 3, i = samples.columns / 2;
    EXPECT_NEAR(samples.heights[std::size_t(j) * samples.columns + i], (j + i) * samples.step, 1e-2);
}

TEST(ViewResampling, ASmallRangeIsTakenPointByPointWithTheExaggeration)
{
    CHeightGrid grid;
    test::FillGrid(grid, 100, 80, [](int r, int c) { return float(10 * r + c); });
    const SampledGrid samples = SampleRange(grid, GridRange{10, 5, 49, 44}, 67108864, 1.5);
    EXPECT_DOUBLE_EQ(samples.step, 1.0);
    EXPECT_EQ(samples.columns, 40);
    EXPECT_EQ(samples.rows, 40);
    EXPECT_FLOAT_EQ(samples.heights[0], 1.5f * (10 * 5 + 10));
    EXPECT_FLOAT_EQ(samples.heights[41], 1.5f * (10 * 6 + 11));
}

TEST(ViewResampling, FewerThanThirtySamplesEitherWayGiveNothing)
{
    CHeightGrid grid;
    test::FillGrid(grid, 500, 500, [](int, int) { return 1.0f; });
    const SampledGrid narrow = SampleRange(grid, GridRange{0, 0, 24, 399}, 67108864, 1.0);
    EXPECT_TRUE(narrow.heights.empty());
    EXPECT_FALSE(SampleRange(grid, GridRange{0, 0, 29, 29}, 67108864, 1.0).heights.empty());
    EXPECT_TRUE(SampleRange(grid, GridRange{0, 0, 29, 28}, 67108864, 1.0).heights.empty());
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

struct RenderViewLabels : ::testing::Test {
    void SetUp() override
    {
        saved = g_LabelState;
        g_bAutoNames = 0;
        g_bShowKind.fill(1);
    }
    void TearDown() override { g_LabelState = saved; }
    CLabelState saved;
};

TEST_F(RenderViewLabels, TakesTheShownNamesInsideTheRangeAtMostThirty)
{
    std::vector<PlaceRecord> records;
    records.push_back(Place(0, 5, 5, 100.0f, "outside"));
    records.push_back(Place(0, 23, 17, 250.5f, "peak"));
    for (int i = 0; i < 40; ++i)
        records.push_back(Place(0, 20 + i, 30, 10.0f, "many"));
    LabelViewState view{800, 600, 0};
    const std::vector<ChosenLabel> labels =
        ChooseRenderLabels(records, GridRange{10, 10, 100, 100}, LabelMetrics{5.0, 7.5, 2.0}, view);
    ASSERT_EQ(labels.size(), std::size_t(kMaxRenderLabels));
    EXPECT_EQ(view.drawnCount, kMaxRenderLabels);
    // Sorted highest first: the peak leads, at its offsets in metres, its name four bytes long.
    EXPECT_EQ(records[std::size_t(labels[0].record)].Name(), "peak");
    EXPECT_FLOAT_EQ(labels[0].place.metres[0], 65);
    EXPECT_FLOAT_EQ(labels[0].place.metres[1], std::round(7 * 7.5));
    EXPECT_FLOAT_EQ(labels[0].place.metres[2], 501);
    EXPECT_EQ(labels[0].place.characters, 4);
    for (const ChosenLabel& label : labels)
        EXPECT_NE(records[std::size_t(label.record)].Name(), "outside");

    g_bShowKind.fill(0);
    EXPECT_TRUE(ChooseRenderLabels(records, GridRange{10, 10, 100, 100}, LabelMetrics{5, 5, 1}, view).empty());
}

} // namespace
} // namespace qb
