#include "tests/views/ViewerFixture.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace qb::test {
namespace {

TEST_F(ViewerTest, ContourStepFollowsTheSpreadAndKeepsTheFirstLevelWhenNoneFits)
{
    EXPECT_EQ(viewer.ContourStep(125, 100), 1.0);
    EXPECT_EQ(viewer.FirstLevel(), 100.0);
    EXPECT_EQ(viewer.ContourStep(101.9, 101.5), 1.0);
    EXPECT_EQ(viewer.FirstLevel(), 100.0);
    EXPECT_EQ(viewer.ContourStep(400, 100), 50.0);
    EXPECT_EQ(viewer.FirstLevel(), 100.0);
    EXPECT_EQ(viewer.ContourStep(10, -20), 5.0);
    EXPECT_EQ(viewer.FirstLevel(), 0.0);
    EXPECT_EQ(viewer.ContourStep(1149.9, 1000), 5.0);
    EXPECT_EQ(viewer.FirstLevel(), 1000.0);
    EXPECT_EQ(viewer.ContourStep(299.9, 0), 10.0);
    EXPECT_EQ(viewer.ContourStep(1013, 713), 50.0);
    EXPECT_EQ(viewer.FirstLevel(), 750.0);
}

// Heights on a 21 x 21 grid; one metre is one pixel (see ViewerTest).
float Hills(int r, int c)
{
    return static_cast<float>(100 + 40 * std::sin(c / 3.0) + 25 * std::cos(r / 4.0) + 0.1 * c * r);
}

// The levels at which the edge a-b of the grid, interpolated between its
// corners' window points, passes within half a pixel of `e`.
std::set<double> LevelsNear(const CHeightGrid& g, double first, double step, double top, DrawPoint e)
{
    std::set<double> found;
    const auto visit = [&](int c0, int r0, int c1, int r1) {
        const double h0 = g.Height(r0, c0), h1 = g.Height(r1, c1);
        for (double v = first; v < top; v += step) {
            if (h0 == h1 || v < std::min(h0, h1) || v > std::max(h0, h1))
                continue;
            const double f = (v - h0) / (h1 - h0);
            const double x = 11 + 10 * (c0 + f * (c1 - c0)), y = 11 + 10 * (r0 + f * (r1 - r0));
            if (std::fabs(x - e.x) <= 0.5 + 1e-9 && std::fabs(y - e.y) <= 0.5 + 1e-9)
                found.insert(v);
        }
    };
    for (int r = 0; r < 21; ++r)
        for (int c = 0; c < 21; ++c) {
            if (c < 20) visit(c, r, c + 1, r);
            if (r < 20) visit(c, r, c, r + 1);
            if (c < 20 && r < 20) visit(c + 1, r, c, r + 1);
        }
    return found;
}

TEST_F(ViewerTest, EveryContourSegmentJoinsTwoCrossingsOfItsLevelInItsBandColour)
{
    MakeGrid(21, 21, Hills);
    viewer.Draw(dc, kClient);
    const double step = viewer.ContourInterval(), first = viewer.FirstLevel(), top = viewer.RangeMax();
    const double low = viewer.RangeMin();
    ASSERT_EQ(step, 5.0);
    int contours = 0;
    for (const auto& s : dc.segments) {
        if (s.colour == Rgb(0, 0, 0))
            continue;  // the frame
        ++contours;
        std::set<double> shared;
        const auto a = LevelsNear(grid, first, step, top, s.from), b = LevelsNear(grid, first, step, top, s.to);
        std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::inserter(shared, shared.end()));
        ASSERT_FALSE(shared.empty()) << s.from.x << "," << s.from.y << " - " << s.to.x << "," << s.to.y;
        const bool bandMatches = std::any_of(shared.begin(), shared.end(), [&](double v) {
            return kHeightBands[static_cast<int>((v - low) * 7.9 / (top - low))] == s.colour;
        });
        EXPECT_TRUE(bandMatches);
    }
    EXPECT_GT(contours, 200);
}

TEST_F(ViewerTest, AContourThroughACornerOnALevelJoinsBothOfItsEdges)
{
    // p = 100 lies on a level; levels 100 and 101 cross the cell.
    const float h[2][2] = {{100.0f, 101.5f}, {99.5f, 100.5f}};
    FillGrid(grid, 2, 2, [&](int r, int c) { return h[r][c]; });
    grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
    viewer.Attach(grid, std::nullopt, false);
    viewer.Draw(dc, {0, 0, 220, 220});  // p (11, 11), q (209, 11), t (11, 209), s (209, 209)
    const auto has = [&](DrawPoint a, DrawPoint b) {
        return std::any_of(dc.segments.begin(), dc.segments.end(), [&](const auto& s) {
            return s.colour == kHeightBands[1] && ((s.from == a && s.to == b) || (s.from == b && s.to == a));
        });
    };
    // Level 100 crosses q-t a quarter of the way up from t, and t-s halfway.
    EXPECT_TRUE(has({11, 11}, {61, 160}));
    EXPECT_TRUE(has({61, 160}, {110, 209}));
}

TEST_F(ViewerTest, ColourBandsAreBlueBelowOneMetreAndByBandAbove)
{
    MakeGrid(21, 21, [](int r, int c) { return r < 10 && c < 10 ? 0.5f : 10.0f * r; });
    viewer.m_nMethod = 1;
    viewer.Draw(dc, kClient);
    ASSERT_EQ(dc.fills.size(), 400u);
    for (const auto& f : dc.fills) {
        const int c = (f.rect.left - 11) / 10, r = (f.rect.top - 11) / 10;
        const double h = r < 10 && c < 10 ? 0.5 : 10.0 * r;
        const Colour expected = h < 1 ? kSeaBlue : kHeightBands[int((h - 0.5) * 7.9 / 199.5)];
        EXPECT_EQ(f.colour, expected) << c << "," << r;
        EXPECT_EQ(f.rect, (DrawRect{11 + 10 * c, 11 + 10 * r, 21 + 10 * c, 21 + 10 * r}));
    }
}

TEST_F(ViewerTest, ALargeGridIsDrawnWithAboutTwoHundredCellsEachWay)
{
    // Two grid steps per pixel over at most 400 pixels; the integer step
    // (1500 x 2 / 400 = 7) gives 214 cells across.
    MakeGrid(1500, 4000, [](int r, int c) { return float(r + c); });
    viewer.m_nMethod = 1;
    viewer.Draw(dc, {0, 0, 2000, 1600});
    std::set<int> across, down;
    for (const auto& f : dc.fills) {
        across.insert(f.rect.left);
        down.insert(f.rect.top);
    }
    EXPECT_EQ(dc.fills.size(), across.size() * down.size());
    EXPECT_LE(across.size(), 215u);
    EXPECT_LE(down.size(), 215u);
    EXPECT_GE(down.size(), 150u);
}

TEST_F(ViewerTest, FlatGridsSinglePointsZeroSpacingAndStaleHeightRangesDrawSafely)
{
    MakeGrid(21, 21, [](int, int) { return 50.0f; });
    viewer.Draw(dc, kClient);
    EXPECT_EQ(dc.segments.size(), 4u);  // the frame only
    EXPECT_EQ(viewer.HeightColour(50), kHeightBands[0]);
    // Sea (height 0) has no contours but every cell edge is outlined in blue.
    std::fill(grid.Heights(), grid.Heights() + 21 * 21, 0.0f);
    dc.Clear();
    viewer.Draw(dc, kClient);
    EXPECT_EQ(std::count_if(dc.segments.begin(), dc.segments.end(),
                            [](const auto& s) { return s.colour == kSeaBlue; }),
              20 * 20 * 4);

    viewer.SetRange({5, 5, 5, 5});
    viewer.Draw(dc, kClient);
    EXPECT_EQ(viewer.GridToScreen(5, 5), (DrawPoint{11, 11}));
    EXPECT_EQ(viewer.ScreenToGridClamped({150, 190}), (GridPoint{5, 5}));

    grid.m_nMeshSize = grid.m_nMeshSize2 = 0;
    viewer.Attach(grid, std::nullopt, true);
    viewer.Draw(dc, kClient);
    EXPECT_EQ(viewer.FarCorner(), (DrawPoint{211, 211}));

    // A height range narrower than the heights and a first level far below it:
    // many more crossings per cell than the range suggests, pens kept in the table.
    FillGrid(grid, 21, 21, [](int r, int c) { return float(5 * (r + c)); });
    grid.m_fMinHeight = 101.5f;
    grid.m_fMaxHeight = 101.9f;
    viewer.ContourStep(10, 0);
    viewer.Attach(grid, GridRange{0, 0, 20, 20}, true);
    dc.Clear();
    viewer.Draw(dc, kClient);
    EXPECT_GT(dc.segments.size(), 100u);
    for (const Colour pen : dc.pens)
        EXPECT_TRUE(std::find(viewer.Pens().begin(), viewer.Pens().end(), pen) != viewer.Pens().end());
}

} // namespace
} // namespace qb::test
