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

} // namespace
} // namespace qb
