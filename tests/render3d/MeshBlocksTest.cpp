#include "render3d/MeshBlocks.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace qb {
namespace {

std::tuple<int, int, int, int> Facts(const BlockLayout& b)
{
    return {b.BlockCount(), b.blockCols, b.blockRows, b.rowsUsed};
}

TEST(MeshBlocks, TheBlockCountGrowsWithTheGridAndBlocksCoverIt)
{
    EXPECT_EQ(Facts(PlanBlocks(2000, 2000)), std::make_tuple(64, 250, 250, 2000));
    EXPECT_EQ(Facts(PlanBlocks(3000, 3000)), std::make_tuple(256, 188, 188, 3000));
    EXPECT_EQ(Facts(PlanBlocks(5000, 5000)), std::make_tuple(1024, 157, 157, 5000));
    EXPECT_EQ(PlanBlocks(2048, 2048).BlockCount(), 64) << "4,194,304 points exactly";
    EXPECT_EQ(PlanBlocks(2049, 2048).BlockCount(), 256);
    EXPECT_EQ(PlanBlocks(0, 100).BlockCount(), 0);
}

TEST(MeshBlocks, RowsAreDroppedUntilTheFullestBlockWithItsSeamsFitsSixteenBits)
{
    // 9,600 x 9,600 points in 32 x 32 blocks: 300 x 300 own points each.
    const BlockLayout b = PlanBlocks(9600, 9600);
    EXPECT_EQ(b.blockCols, 300);
    EXPECT_LE(std::int64_t(b.blockCols + 1) * (b.blockRows + 1), kMaxBlockVertices);
    EXPECT_GT(std::int64_t(b.blockCols + 1) * (b.blockRows + 2), kMaxBlockVertices) << "no row dropped too many";
    EXPECT_EQ(b.blockRows, 216);
    EXPECT_EQ(b.rowsUsed, 216 * 32);
    // 8,192 x 8,160 gives 256 x 255 own points, whose seams would make 65,792 vertices.
    const BlockLayout tight = PlanBlocks(8192, 8160);
    EXPECT_LE(std::int64_t(tight.blockCols + 1) * (tight.blockRows + 1), kMaxBlockVertices);
    EXPECT_LT(tight.rowsUsed, 8160);
}

TEST(MeshBlocks, NeighbouringBlocksShareTheirSeamAndTheLastBlockMayHoldNoTriangle)
{
    // 57 columns in 8 blocks of 8: the last block is the single column 56.
    const BlockLayout b = PlanBlocks(57, 40);
    ASSERT_EQ(b.blockCols, 8);
    const BlockSpan first = SpanOfBlock(b, 57, 0, 0), second = SpanOfBlock(b, 57, 1, 0);
    EXPECT_EQ(std::make_tuple(first.firstCol, first.cols, first.rows), std::make_tuple(0, 9, 6));
    EXPECT_EQ(second.firstCol, first.firstCol + first.cols - 1) << "the seam column is in both";
    const BlockSpan seventh = SpanOfBlock(b, 57, 6, 0), last = SpanOfBlock(b, 57, 7, 0);
    EXPECT_EQ(std::make_tuple(seventh.firstCol, seventh.cols), std::make_tuple(48, 9));
    EXPECT_EQ(std::make_tuple(last.firstCol, last.cols), std::make_tuple(56, 1));
    EXPECT_FALSE(last.HasTriangles());
    EXPECT_TRUE(seventh.HasTriangles());
    // Every point belongs to some block; the bottom row of blocks ends at the last row.
    std::vector<int> covered(57, 0);
    for (int bx = 0; bx < b.blocksPerSide; ++bx) {
        const BlockSpan s = SpanOfBlock(b, 57, bx, b.blocksPerSide - 1);
        for (int c = s.firstCol; c < s.firstCol + s.cols; ++c)
            ++covered[c];
        if (s.rows > 0) {
            EXPECT_EQ(s.firstRow + s.rows, 40);
        }
    }
    for (int c = 0; c < 57; ++c)
        EXPECT_EQ(covered[c], c % 8 == 0 && c > 0 ? 2 : 1) << c;
}

TEST(MeshBlocks, BlocksBeyondASmallGridAreEmpty)
{
    // 10 columns in 8 blocks of 2: blocks 5 to 7 start past the last column.
    const BlockLayout b = PlanBlocks(10, 10);
    EXPECT_EQ(SpanOfBlock(b, 10, 4, 0).cols, 2);
    EXPECT_EQ(SpanOfBlock(b, 10, 5, 0).Vertices(), 0);
    EXPECT_EQ(SpanOfBlock(b, 10, 7, 7).Vertices(), 0);
}

} // namespace
} // namespace qb
