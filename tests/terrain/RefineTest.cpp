#include "terrain/HeightGrid.h"

#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace qb {
namespace {

using test::FillGrid;

float Terrain(int r, int c)
{
    return 300.0f + 80.0f * std::sin(0.37f * r) * std::cos(0.23f * c) + 3.0f * r - 1.5f * c;
}

// Catmull-Rom weights of the four points at parameter t, in double.
std::array<double, 4> Weights(double t)
{
    return {0.5 * (-t + 2 * t * t - t * t * t), 0.5 * (2 - 5 * t * t + 3 * t * t * t),
            0.5 * (t + 4 * t * t - 3 * t * t * t), 0.5 * (-t * t + t * t * t)};
}

// The tensor-product bicubic surface of the cell whose upper-left point is (r, c).
double Bicubic(const CHeightGrid& g, int r, int c, double u, double v)
{
    const auto wu = Weights(u), wv = Weights(v);
    double sum = 0.0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            sum += wv[j] * wu[i] * g.Height(r - 1 + j, c - 1 + i);
    return sum;
}

double Bilinear(const CHeightGrid& g, int r, int c, double u, double v)
{
    return (1 - v) * ((1 - u) * g.Height(r, c) + u * g.Height(r, c + 1)) +
           v * ((1 - u) * g.Height(r + 1, c) + u * g.Height(r + 1, c + 1));
}

class RefineTest : public ::testing::TestWithParam<int> {};

TEST_P(RefineTest, MatchesAnIndependentBicubicAndBilinearComputation)
{
    const int k = GetParam();
    CHeightGrid old;
    FillGrid(old, 17, 13, Terrain);
    CHeightGrid grid;
    FillGrid(grid, 17, 13, Terrain);
    grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
    ASSERT_EQ(grid.Refine(k, nullptr), 1);
    ASSERT_EQ(grid.m_nCols, 17 * k);
    ASSERT_EQ(grid.m_nRows, 13 * k);
    EXPECT_EQ(grid.m_nPoints, 17 * 13 * k * k);
    EXPECT_EQ(grid.m_nDataBytes, 17 * 13 * k * k * 4);
    EXPECT_EQ(grid.m_nMeshSize, 10 / k);
    EXPECT_EQ(grid.m_nMeshSize2, 10 / k);

    for (int R = 0; R < grid.m_nRows; ++R) {
        for (int C = 0; C < grid.m_nCols; ++C) {
            const float got = grid.Height(R, C);
            if (R > 12 * k || C > 16 * k) {
                ASSERT_EQ(got, kNoData) << R << "," << C << ": past the last old row or column";
                continue;
            }
            const int r = std::min(R / k, 11), c = std::min(C / k, 15);
            const double u = double(C - c * k) / k, v = double(R - r * k) / k;
            if (R % k == 0 && C % k == 0) {
                ASSERT_EQ(got, old.Height(R / k, C / k)) << "old points are kept exactly";
                continue;
            }
            const bool interior = r >= 1 && r <= 10 && c >= 1 && c <= 14;
            const bool onInteriorEdge = (r >= 1 && r <= 11 && c >= 1 && c <= 15) &&
                                        ((r == 11 && v == 0 && c <= 14) || (c == 15 && u == 0 && r <= 10));
            double expected;
            if (interior)
                expected = Bicubic(old, r, c, u, v);
            else if (onInteriorEdge)
                expected = r == 11 ? Bicubic(old, 10, c, u, 1.0) : Bicubic(old, r, 14, 1.0, v);
            else
                expected = Bilinear(old, r, c, u, v);
            ASSERT_NEAR(got, expected, 2e-3) << "point " << R << "," << C;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, RefineTest, ::testing::Values(2, 5));

TEST(Refine, OneThousandByTwoIsTheSizeOfTheCaseInTheManual)
{
    CHeightGrid grid;
    FillGrid(grid, 1125, 750, Terrain);
    grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
    ASSERT_EQ(grid.Refine(2, nullptr), 1);
    EXPECT_EQ(grid.m_nCols, 2250);
    EXPECT_EQ(grid.m_nRows, 1500);
    EXPECT_EQ(grid.m_nMeshSize, 5);
    EXPECT_EQ(grid.Height(1499, 100), kNoData);
    EXPECT_EQ(grid.Height(100, 2249), kNoData);
    EXPECT_EQ(grid.Height(1498, 2248), Terrain(749, 1124));
}

TEST(Refine, TooLargeIsRefusedAndTheGridUnchanged)
{
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    FillGrid(grid, 4, 4, Terrain);
    // Only the counts matter: the size is checked before anything is allocated.
    grid.m_nCols = grid.m_nRows = 45000;
    EXPECT_EQ(grid.Refine(2, nullptr), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"範囲が広すぎます。"});
    EXPECT_EQ(grid.m_nCols, 45000);
}

TEST(Refine, ReportsProgressAndCancelLeavesTheGridUnchanged)
{
    CHeightGrid grid;
    FillGrid(grid, 50, 100, Terrain);
    test::CScriptedProgress progress;
    ASSERT_EQ(grid.Refine(2, &progress), 1);
    ASSERT_FALSE(progress.Reports().empty());
    EXPECT_EQ(progress.Reports().front(), (std::pair<std::int64_t, std::int64_t>{5, 98}));
    EXPECT_EQ(progress.Reports().size(), 19u) << "every fifth of rows 1 .. 97";

    CHeightGrid other;
    FillGrid(other, 50, 100, Terrain);
    test::CScriptedProgress cancelling(3);
    EXPECT_EQ(other.Refine(5, &cancelling), 0);
    EXPECT_EQ(cancelling.Reports().size(), 3u);
    EXPECT_EQ(other.m_nCols, 50);
    EXPECT_EQ(other.Height(99, 49), Terrain(99, 49));
}

} // namespace
} // namespace qb
