#include "render3d/BlockIndices.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace qb {
namespace {

using Indices = std::vector<std::uint16_t>;

TEST(RenderBlockIndices, EachCellGivesItsTwoTrianglesInOrder)
{
    // 3 x 2 vertices: cells (0,0) and (0,1).
    EXPECT_EQ(BlockTriangleIndices(3, 2), (Indices{0, 1, 3, 1, 4, 3, 1, 2, 4, 2, 5, 4}));
    EXPECT_EQ(BlockTriangleIndices(257, 255).size(), 6u * 256 * 254);
    EXPECT_TRUE(BlockTriangleIndices(1, 9).empty());
    EXPECT_TRUE(BlockTriangleIndices(9, 1).empty());
}

TEST(RenderBlockIndices, CoarseDetailKeepsEveryKthLineAndTheLastOne)
{
    EXPECT_EQ(DetailLines(8, 3), (std::vector<int>{0, 3, 6, 7}));
    EXPECT_EQ(DetailLines(7, 3), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(DetailLines(2, 5), (std::vector<int>{0, 1}));
    // 5 x 3 at detail 2: columns 0, 2, 4 and rows 0, 2.
    EXPECT_EQ(BlockTriangleIndices(5, 3, 2), (Indices{0, 2, 10, 2, 12, 10, 2, 4, 12, 4, 14, 12}));
    EXPECT_EQ(BlockTriangleIndices(5, 3, 0), BlockTriangleIndices(5, 3, 1)) << "detail below 1 draws everything";
}

TEST(RenderBlockIndices, CoarseTrianglesStillReachTheBlockCorners)
{
    const Indices coarse = BlockTriangleIndices(251, 200, 7);
    const std::set<std::uint16_t> used(coarse.begin(), coarse.end());
    for (int corner : {0, 250, 199 * 251, 199 * 251 + 250})
        EXPECT_TRUE(used.count(static_cast<std::uint16_t>(corner))) << corner;
}

} // namespace
} // namespace qb
