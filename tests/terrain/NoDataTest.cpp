// Which points have no data: every reader, join and refinement keeps it, and
// the writers put the no-data value there.
#include "terrain/AsciiGrid.h"
#include "terrain/HeightGrid.h"
#include "terrain/HeightSummary.h"

#include "tests/support/GridBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace qb {
namespace {

using test::CTempDir;
using test::FillGrid;
using test::ReadFileBytes;

std::vector<std::int64_t> Marked(const CNoDataMask& mask)
{
    std::vector<std::int64_t> points;
    mask.ForEachMarked([&](std::int64_t p) { points.push_back(p); });
    return points;
}

TEST(NoDataMask, MarksSinglePointsAndRangesAcrossWords)
{
    CNoDataMask mask;
    mask.Reset(200);
    EXPECT_FALSE(mask.AnyMarked());
    EXPECT_FALSE(mask.IsMarked(5));
    mask.MarkRange(60, 130);
    mask.Mark(199);
    mask.Unmark(64);
    EXPECT_EQ(mask.CountMarked(), 70);
    EXPECT_TRUE(mask.IsMarked(60));
    EXPECT_FALSE(mask.IsMarked(59));
    EXPECT_FALSE(mask.IsMarked(64));
    EXPECT_TRUE(mask.IsMarked(129));
    EXPECT_FALSE(mask.IsMarked(130));
    const std::vector<std::int64_t> points = Marked(mask);
    ASSERT_EQ(points.size(), 70u);
    EXPECT_EQ(points.front(), 60);
    EXPECT_EQ(points[4], 65);
    EXPECT_EQ(points.back(), 199);
    mask.Reset(200);
    EXPECT_EQ(mask.CountMarked(), 0);
}

// A tile of 6 x 4 points with no data at (0, 0) and (2, 3), written as the program writes tiles.
std::string WriteGappedTile(const CTempDir& dir)
{
    CHeightGrid tile;
    FillGrid(tile, 6, 4, [](int r, int c) { return (r == 0 && c == 0) || (r == 2 && c == 3) ? kNoData : 10.0f + c; });
    tile.m_nMeshSize = tile.m_nMeshSize2 = 10;
    EXPECT_EQ(tile.WriteTile(dir.File("gaps.3dm"), TileWriteMode::Replace), 1);
    return dir.File("gaps.3dm");
}

TEST(NoData, ATileKeepsItsGapsThroughAStandInHeightAndWritesThemBack)
{
    CTempDir dir;
    CHeightGrid grid;
    ASSERT_EQ(grid.ReadTile(WriteGappedTile(dir)), 1);
    EXPECT_EQ(Marked(grid.NoData()), (std::vector<std::int64_t>{0, 15}));
    EXPECT_FALSE(grid.HasData(2, 3));
    EXPECT_TRUE(grid.HasData(2, 2));

    // A document puts 0 where there is no data; the files still say no data.
    grid.Height(0, 0) = 0.0f;
    grid.Height(2, 3) = 0.0f;
    ASSERT_EQ(grid.WriteTile(dir.File("back.3dm"), TileWriteMode::Replace), 1);
    CHeightGrid back;
    ASSERT_EQ(back.ReadTile(dir.File("back.3dm")), 1);
    EXPECT_EQ(back.Height(0, 0), kNoData);
    EXPECT_EQ(back.Height(2, 3), kNoData);
    EXPECT_EQ(back.Height(2, 2), 12.0f);

    ASSERT_EQ(WriteAsciiGrid(grid, dir.File("back.asc")), 1);
    std::istringstream asc(ReadFileBytes(dir.File("back.asc")));
    std::string line;
    while (std::getline(asc, line) && !line.starts_with("NODATA_value")) {
    }
    EXPECT_EQ(line, "NODATA_value -9999");
    std::getline(asc, line);
    EXPECT_EQ(line, "-9999 11 12 13 14 15") << "the north row first";
    std::getline(asc, line);
    std::getline(asc, line);
    EXPECT_EQ(line, "10 11 12 -9999 14 15");
}

TEST(NoData, ATextMeshMarksAbsentRowsNoDataFieldsAndShortLines)
{
    CTempDir dir;
    std::string header(1009, ' ');
    header.replace(23, 6, "010010");
    header.replace(29, 28, "0354000139300003545001394500");
    header.replace(225, 10, "1011111111");
    auto line = [](const std::string& record) { return "533946001" + record + "\r\n"; };
    std::string fields(50, ' ');
    fields.replace(0, 5, "-9999").replace(5, 5, "  120");
    // Row 0 full with one -9999, row 1 absent, row 2 three fields, rows 3 .. 9 past the end of the file.
    test::WriteFileBytes(dir.File("t.mem"), header + "\r\n" + line(fields) + line("   10   20   30"));
    CHeightGrid grid;
    ASSERT_EQ(grid.ReadTextMesh(dir.File("t.mem")), 1);
    EXPECT_FALSE(grid.HasData(0, 0));
    EXPECT_EQ(grid.Height(0, 0), 0.0f) << "no data still reads as 0";
    EXPECT_TRUE(grid.HasData(0, 1));
    EXPECT_FALSE(grid.HasData(1, 4));
    EXPECT_TRUE(grid.HasData(2, 2));
    EXPECT_FALSE(grid.HasData(2, 3));
    EXPECT_FALSE(grid.HasData(9, 9));
    EXPECT_EQ(grid.DataPoints(), 9 + 3);
    EXPECT_EQ(grid.m_nValidPoints, 12);
    EXPECT_EQ(grid.m_fMinHeight, 0.0f);
}

TEST(NoData, AnElevationXmlFileMarksWhatItDoesNotCountAsValid)
{
    for (const char* file : {"data/sample/FG-GML-3926-76-DEM10B-20161001.xml",
                             "data/sample/FG-GML-5238-74-00-DEM5A-20161001.xml"}) {
        CHeightGrid grid;
        ASSERT_EQ(grid.ImportXml(test::SourcePath(file), false), 1) << file;
        EXPECT_EQ(grid.DataPoints(), grid.m_nValidPoints) << file;
        for (std::int64_t i = 0; i < grid.m_nPoints; ++i)
            ASSERT_EQ(grid.NoData().IsMarked(i), grid.Heights()[i] <= -9000.0f) << file << " " << i;
        // Opened, the gaps take the lowest height and stay marked.
        CHeightGrid opened;
        ASSERT_EQ(opened.LoadFile(test::SourcePath(file)), 1) << file;
        EXPECT_EQ(opened.DataPoints(), grid.m_nValidPoints) << file;
    }
}

TEST(NoData, TheSummaryCountsOnlyPointsWithData)
{
    CHeightGrid grid;
    EXPECT_EQ(SummariseHeights(grid).dataPoints, 0);
    FillGrid(grid, 4, 2, [](int r, int c) { return r == 0 ? -50.0f : 5.0f * c; });
    grid.NoData().MarkRange(0, 4);
    grid.NoData().Mark(7);
    const HeightSummary summary = SummariseHeights(grid);
    EXPECT_EQ(summary.dataPoints, 3);
    EXPECT_EQ(summary.lowest, 0.0f);
    EXPECT_EQ(summary.highest, 10.0f);
}

TEST(NoData, AHeightNeedsDataAtEveryPointItIsInterpolatedFrom)
{
    CHeightGrid grid;
    FillGrid(grid, 5, 4, [](int r, int c) { return 100.0f + 10.0f * r + c; });
    grid.NoData().Mark(static_cast<std::int64_t>(grid.Index(1, 3)));
    EXPECT_FLOAT_EQ(*grid.MeasuredHeightAt(1.5, 2.5), grid.HeightAt(1.5, 2.5));
    EXPECT_FALSE(grid.MeasuredHeightAt(3.2, 1.7)) << "the cell's own point";
    EXPECT_FALSE(grid.MeasuredHeightAt(2.6, 1.2)) << "its right neighbour";
    EXPECT_FALSE(grid.MeasuredHeightAt(3.3, 0.4)) << "its lower neighbour";
    EXPECT_TRUE(grid.MeasuredHeightAt(2.6, 2.2)) << "a diagonal point is not used";
    EXPECT_FALSE(grid.MeasuredHeightAt(4.0, 1.0)) << "the last column uses its left neighbour";
}

TEST(NoData, ARefinedPointHasDataOnlyBetweenPointsWithData)
{
    CHeightGrid grid;
    FillGrid(grid, 6, 5, [](int r, int c) { return 50.0f + r + c; });
    grid.NoData().Mark(static_cast<std::int64_t>(grid.Index(2, 2)));
    ASSERT_EQ(grid.Refine(2, nullptr), 1);
    ASSERT_EQ(grid.m_nCols, 12);
    // New rows 3 .. 5 and columns 3 .. 5 lie within one old spacing of the old point (2, 2).
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 12; ++c) {
            const bool nearGap = r >= 3 && r <= 5 && c >= 3 && c <= 5;
            const bool past = r > 8 || c > 10;  // after the last old row or column
            ASSERT_EQ(grid.HasData(r, c), !nearGap && !past) << r << "," << c;
        }
    EXPECT_EQ(grid.DataPoints(), 9 * 11 - 9);
}

} // namespace
} // namespace qb
