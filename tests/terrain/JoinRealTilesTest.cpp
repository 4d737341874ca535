// Joining blocks of the real 5 m tiles of cell 6443-20.
#include "terrain/AreaAssembly.h"
#include "terrain/AreaRecord.h"
#include "terrain/HeightGrid.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"
#include "tests/terrain/SampleTiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace qb {
namespace {

using test::kSampleTileCols;
using test::kSampleTileRows;

struct SeamStats {
    double sum = 0.0;
    double largest = 0.0;
    int count = 0;
    void Add(float a, float b)
    {
        sum += std::fabs(a - b);
        largest = std::max(largest, double(std::fabs(a - b)));
        ++count;
    }
    double Mean() const { return count ? sum / count : 0.0; }
};

// Joins the across x down block whose south-west tenth cell is (south, west)
// and checks every point against its tile, then the seams between the tiles.
void JoinBlock(int south, int west, int across, int down)
{
    test::CTempDir dir;
    std::vector<std::string> tiles, codes;
    for (int y = down - 1; y >= 0; --y)
        for (int x = 0; x < across; ++x) {
            tiles.push_back(test::SampleTilePath(dir.Path(), south + y, west + x));
            codes.push_back(std::to_string(south + y) + std::to_string(west + x));
        }
    ASSERT_EQ(test::ConvertSampleTiles(dir.Path(), codes), across * down);
    CAreaRecord area;
    area.SetCounts(across, down);
    ASSERT_TRUE(area.SetBaseFile(tiles[0]));
    CHeightGrid grid;
    test::CScriptedProgress progress;
    ASSERT_EQ(grid.JoinTiles(tiles, area, &progress, kMesh5m, 1), 1);
    ASSERT_EQ(grid.m_nCols, across * kSampleTileCols);
    ASSERT_EQ(grid.m_nRows, down * kSampleTileRows);
    EXPECT_EQ(grid.m_nMeshSize, 5);

    // Every height in its place; the tiles' no-data points take the lowest height of all.
    std::vector<bool> valid(static_cast<std::size_t>(grid.m_nPoints));
    float lowest = 9999.0f, highest = -9999.0f;
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        CHeightGrid tile;
        ASSERT_EQ(tile.ReadTile(tiles[t]), 1);
        const int row0 = int(t) / across * kSampleTileRows, col0 = int(t) % across * kSampleTileCols;
        if (t == 0) {
            EXPECT_EQ(grid.m_fWest, tile.m_fWest);
            EXPECT_EQ(grid.m_fNorth, tile.m_fNorth);
        }
        if (t + 1 == tiles.size()) {
            EXPECT_EQ(grid.m_fEast, tile.m_fEast);
            EXPECT_EQ(grid.m_fSouth, tile.m_fSouth);
        }
        for (int r = 0; r < kSampleTileRows; ++r)
            for (int c = 0; c < kSampleTileCols; ++c) {
                const float v = tile.Height(r, c);
                valid[grid.Index(row0 + r, col0 + c)] = v > -999.0f;
                if (v > -999.0f) {
                    lowest = std::min(lowest, v);
                    highest = std::max(highest, v);
                    ASSERT_EQ(grid.Height(row0 + r, col0 + c), v) << "tile " << t << " point " << r << "," << c;
                }
            }
    }
    EXPECT_EQ(grid.m_fMinHeight, lowest);
    EXPECT_EQ(grid.m_fMaxHeight, highest);
    for (std::int64_t i = 0; i < grid.m_nPoints; ++i) {
        ASSERT_TRUE(valid[static_cast<std::size_t>(i)] || grid.Heights()[i] == lowest) << i;
        ASSERT_EQ(grid.NoData().IsMarked(i), !valid[static_cast<std::size_t>(i)]) << "the gaps are kept, " << i;
    }

    // Across every seam the heights step as little as between neighbours inside a tile.
    SeamStats seams, inside;
    const auto pair = [&](SeamStats& stats, int r0, int c0, int r1, int c1) {
        if (valid[grid.Index(r0, c0)] && valid[grid.Index(r1, c1)])
            stats.Add(grid.Height(r0, c0), grid.Height(r1, c1));
    };
    for (int k = 1; k < across; ++k)
        for (int r = 0; r < grid.m_nRows; ++r) {
            pair(seams, r, k * kSampleTileCols - 1, r, k * kSampleTileCols);
            pair(inside, r, k * kSampleTileCols - 2, r, k * kSampleTileCols - 1);
        }
    for (int k = 1; k < down; ++k)
        for (int c = 0; c < grid.m_nCols; ++c) {
            pair(seams, k * kSampleTileRows - 1, c, k * kSampleTileRows, c);
            pair(inside, k * kSampleTileRows - 2, c, k * kSampleTileRows - 1, c);
        }
    ASSERT_GT(seams.count, 500);
    EXPECT_LT(seams.Mean(), 2.0 * inside.Mean() + 0.1);
    EXPECT_LT(seams.largest, 10.0);
}

TEST(JoinRealTiles, TwoByTwoBlockOfTheSampleCell)
{
    JoinBlock(2, 0, 2, 2);
}

TEST(JoinRealTiles, ThreeByTwoBlockOfTheSampleCell)
{
    JoinBlock(8, 2, 3, 2);
}

} // namespace
} // namespace qb
