#include "tests/views/ViewerFixture.h"
#include "views/HoverStatus.h"

#include <cstdio>

namespace qb::test {
namespace {

TEST(HoverStatus, TheTextHasTheResourceStringsLayout)
{
    EXPECT_EQ(FormatHoverStatus(1234.5, 35.5, 139.75, 10),
              "ｸﾘｯｸ･ﾄﾞﾗｯｸﾞで拡大 ｸﾘｯｸで縮小  標高:1234.5m 緯度:35.30'00\" 経度:139.45'00\" 等高線の間隔: 10m   ");
    EXPECT_EQ(FormatHoverStatus(5.34, 35.999999, 9.0, 1),
              "ｸﾘｯｸ･ﾄﾞﾗｯｸﾞで拡大 ｸﾘｯｸで縮小  標高:0005.3m 緯度:36.00'00\" 経度:009.00'00\" 等高線の間隔:  1m   ");
}

TEST(HoverStatus, APointWithoutDataSaysSoInsteadOfAHeight)
{
    EXPECT_EQ(FormatHoverStatus(std::nullopt, 35.5, 139.75, 10),
              "ｸﾘｯｸ･ﾄﾞﾗｯｸﾞで拡大 ｸﾘｯｸで縮小  標高:データなし 緯度:35.30'00\" 経度:139.45'00\" 等高線の間隔: 10m   ");
}

TEST(HoverStatus, SecondsRoundAndCarryIntoMinutesAndDegrees)
{
    EXPECT_EQ(ToDms(35.0 + 59.0 / 60 + 59.6 / 3600), (Dms{36, 0, 0}));
    EXPECT_EQ(ToDms(35.0 + 10.0 / 60 + 59.6 / 3600), (Dms{35, 11, 0}));
    EXPECT_EQ(ToDms(138.0 + 44.0 / 60 + 20.4 / 3600), (Dms{138, 44, 20}));
    EXPECT_EQ(ToDms(-35.0 - 0.6 / 60), (Dms{-35, 0, 36}));
}

TEST_F(ViewerTest, HoveringMarksTheSnappedPointErasesTheLastMarkAndShowsItsPlace)
{
    MakeGrid(21, 21, [](int r, int c) { return 100.0f + r + 0.5f * c; });
    viewer.OnMouseMove(dc, {52, 69});  // grid point (4, 6) at (51, 71)
    viewer.OnMouseMove(dc, {110, 112});  // (10, 10) at (111, 111)
    const auto marks = dc.SegmentsInverted(true);
    ASSERT_EQ(marks.size(), 6u);
    EXPECT_EQ(marks[0].from, (DrawPoint{46, 66}));
    EXPECT_EQ(marks[1].to, (DrawPoint{56, 66}));
    EXPECT_EQ(marks[2].from, marks[0].from);  // the first mark erased
    EXPECT_EQ(marks[4].from, (DrawPoint{106, 106}));
    for (const auto& m : marks)
        EXPECT_EQ(m.colour, kSeaBlue);
    // Row 10 of rows 35.0833 (north) .. 35 (south); column 10 of 139 .. 139.125.
    const Dms lat = ToDms(grid.LatOfRow(10)), lon = ToDms(grid.LonOfCol(10));
    char expected[160];
    std::snprintf(expected, sizeof expected, "標高:0115.0m 緯度:%02d.%02d'%02d\" 経度:%03d.%02d'%02d\"", lat.degrees,
                  lat.minutes, lat.seconds, lon.degrees, lon.minutes, lon.seconds);
    EXPECT_NE(host.status.find(expected), std::string::npos) << host.status;
    EXPECT_NE(host.status.find("経度:139.03'45\""), std::string::npos);
}

TEST_F(ViewerTest, HoveringOverAGapShowsThatItHasNoData)
{
    MakeGrid(21, 21, [](int, int) { return 56.34f; });  // the stand-in height of a join
    grid.NoData().Mark(static_cast<std::int64_t>(grid.Index(10, 10)));
    viewer.OnMouseMove(dc, At(10, 10));
    EXPECT_NE(host.status.find("標高:データなし 緯度:"), std::string::npos) << host.status;
    viewer.OnMouseMove(dc, At(11, 10));
    EXPECT_NE(host.status.find("標高:0056.3m 緯度:"), std::string::npos) << host.status;
}

TEST_F(ViewerTest, AGridOneRowHighShowsTheLatitudeOfItsNorthEdge)
{
    MakeGrid(5, 1, [](int, int c) { return float(c); });
    viewer.OnMouseMove(dc, {30, 30});
    EXPECT_NE(host.status.find("緯度:35.05'00\""), std::string::npos) << host.status;
}

} // namespace
} // namespace qb::test
