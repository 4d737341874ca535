#include "render3d/ViewSampling.h"

#include "terrain/HeightGrid.h"
#include "tests/support/GridBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

TEST(RenderViewSampling, SamplesRunFromTheFirstPointUpToTheLast)
{
    EXPECT_EQ(SampleCount(0, 9, 1), 10);
    EXPECT_EQ(SampleCount(5, 9, 2.5), 2);
    EXPECT_EQ(SampleCount(0, 10, 2.5), 5) << "the last point itself is a sample";
    EXPECT_EQ(SampleCount(3, 3, 1.7), 1);
}

TEST(RenderViewSampling, AThreeThousandSquareRangeFitsTheSmallestBudget)
{
    CHeightGrid grid;
    test::FillGrid(grid, 3000, 3000, [](int r, int c) { return float(2 * c + r); });
    const SampledGrid s = SampleRange(grid, {0, 0, 2999, 2999}, 4'194'304, 1.5);
    const double start = std::sqrt(9'000'000.0 / 3'774'873) + 0.01;
    EXPECT_GE(s.step, start - 1e-12);
    EXPECT_LT(s.step, start + 0.05);
    EXPECT_LE(std::int64_t(s.columns) * s.rows, 3'774'873);
    ASSERT_EQ(s.heights.size(), std::size_t(s.columns) * s.rows);
    // Heights come from between the points, exaggerated.
    const int c = 100, r = 7;
    EXPECT_NEAR(s.heights[std::size_t(r) * s.columns + c], 1.5 * (2 * c * s.step + r * s.step), 0.01);
}

TEST(RenderViewSampling, TheStepGrowsInHundredthsUntilTheSamplesFit)
{
    // 100 x 100 points for 999 samples: from 3.1739 the counts are 32 x 32 until 3.1939 gives 31 x 31.
    const GridRange range{0, 0, 99, 99};
    const double start = std::sqrt(10000.0 / 999) + 0.01;
    EXPECT_NEAR(SamplingStep(range, 1111), start + 0.02, 1e-9);
    EXPECT_EQ(SamplingStep(range, 67'108'864), 1.0) << "never below every point";
}

TEST(RenderViewSampling, ARangeOfOffsetPointsIsSampledFromItsCorner)
{
    CHeightGrid grid;
    test::FillGrid(grid, 200, 120, [](int r, int c) { return float(c + 1000 * r); });
    const SampledGrid s = SampleRange(grid, {50, 10, 89, 49}, 67'108'864, 1);
    ASSERT_EQ(std::make_pair(s.columns, s.rows), std::make_pair(40, 40));
    EXPECT_EQ(s.heights.front(), 50 + 10000);
    EXPECT_EQ(s.heights.back(), 89 + 49000);
}

TEST(RenderViewSampling, FewerThanThirtySamplesEitherWayShowNothing)
{
    CHeightGrid grid;
    test::FillGrid(grid, 25, 400, [](int, int) { return 10.0f; });
    EXPECT_TRUE(SampleRange(grid, {0, 0, 24, 399}, 67'108'864, 1).Empty());
    CHeightGrid square;
    test::FillGrid(square, 30, 30, [](int, int) { return 10.0f; });
    EXPECT_FALSE(SampleRange(square, {0, 0, 29, 29}, 67'108'864, 1).Empty());
}

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

} // namespace
} // namespace qb
