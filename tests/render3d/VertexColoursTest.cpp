#include "render3d/VertexColours.h"

#include "render3d/MeshBuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb {
namespace {

constexpr std::uint32_t kBlue = 0xFF0000FF;

// A row of three points whose middle one rises `d` to each side.
struct Slope {
    std::vector<float> heights;
    MeshInput in;
    Slope(double d, double exaggeration, double colSpacing = 10, double rowSpacing = 20)
        : heights{float(500 - d), 500, float(500 + d)}
    {
        in.columns = 3;
        in.rows = 1;
        in.colSpacing = colSpacing;
        in.rowSpacing = rowSpacing;
        in.heights = heights;
        in.exaggeration = exaggeration;
        in.colours.mode = kColourModeSlope;
        for (int i = 0; i < kColourSlotCount; ++i)
            in.colours.slots[i] = Rgb(i, 0, 0);
    }
    int Slot() const
    {
        const std::uint32_t argb = VertexColours(in, heights[0], heights[2]).At(1, 0);
        return int(argb >> 16 & 0xFF);
    }
};

// The rise over the smaller spacing of 10 m that makes `degrees`, exaggerated 2 times.
double Rise(double degrees)
{
    return 2 * 10 * std::tan(degrees * M_PI / 180);
}

TEST(RenderVertexColours, ColoursAreRedLowTurnedIntoOpaqueArgb)
{
    EXPECT_EQ(OpaqueArgb(Rgb(0x12, 0x34, 0x56)), 0xFF123456u);
}

TEST(RenderVertexColours, SlopeSlotsStepAtOneFifteenTwentyFiveThirtyFiveFortyFiveAndSixtyFive)
{
    EXPECT_EQ(Slope(0, 2).Slot(), 0) << "a level point";
    const std::pair<double, int> cases[] = {{0.5, 1},  {0.999, 1}, {1.001, 2}, {14.99, 2}, {15.01, 3}, {24.9, 3},
                                            {25.1, 4}, {34.9, 4},  {35.1, 5},  {44.9, 5},  {45.1, 6},  {64.9, 6},
                                            {65.1, 7}, {89, 7}};
    for (const auto& [degrees, slot] : cases)
        EXPECT_EQ(Slope(Rise(degrees), 2).Slot(), slot) << degrees << " degrees";
    // The exaggeration is taken out: the same heights without it are twice as steep.
    EXPECT_EQ(Slope(Rise(10), 1).Slot(), 3);
    EXPECT_EQ(Slope(Rise(10) / 2, 0).Slot(), 2) << "a factor of 0 counts as 1";
    EXPECT_EQ(Slope(Rise(30), 2, 0, 20).Slot(), 0) << "no spacing: the first colour";
}

TEST(RenderVertexColours, SlopeIsTheMeanRiseOverTheNeighboursThatExist)
{
    // The corner of a 2 x 2 grid has two neighbours: rises 0 and 2 x 10 x tan 20 deg.
    const float rise = float(Rise(20) * 2);
    std::vector<float> heights{100, 100 + rise, 100, 100};
    MeshInput in;
    in.columns = in.rows = 2;
    in.colSpacing = in.rowSpacing = 10;
    in.heights = heights;
    in.exaggeration = 2;
    in.colours.mode = kColourModeSlope;
    for (int i = 0; i < kColourSlotCount; ++i)
        in.colours.slots[i] = Rgb(i, 0, 0);
    EXPECT_EQ(VertexColours(in, 100, 100 + rise).At(0, 0) >> 16 & 0xFF, 3u) << "mean rise makes 20 deg";
    EXPECT_EQ(VertexColours(in, 100, 100 + rise).At(0, 1) >> 16 & 0xFF, 0u) << "both its neighbours level";
}

TEST(RenderVertexColours, HeightBlendsTheFirstTwoSlotsTruncatingEachChannel)
{
    std::vector<float> heights{10, 20, 30};
    MeshInput in;
    in.columns = 3;
    in.rows = 1;
    in.heights = heights;
    in.colours.mode = kColourModeHeight;
    in.colours.slots[0] = Rgb(0, 100, 200);
    in.colours.slots[1] = Rgb(255, 0, 100);
    const VertexColours colours(in, 10, 30);
    EXPECT_EQ(colours.At(0, 0), 0xFF0064C8u);
    EXPECT_EQ(colours.At(1, 0), 0xFF7F3296u) << "127.5 truncates to 127";
    EXPECT_EQ(colours.At(2, 0), 0xFFFF0064u);
    EXPECT_EQ(VertexColours(in, 20, 20).At(1, 0), 0xFF0064C8u) << "one height: the first colour";
}

TEST(RenderVertexColours, HeightZeroIsBlueInEveryModeAndUnknownModesAreBlack)
{
    std::vector<float> heights{0, 5, 9};
    MeshInput in;
    in.columns = 3;
    in.rows = 1;
    in.colSpacing = in.rowSpacing = 10;
    in.heights = heights;
    in.colours.slots[0] = Rgb(1, 2, 3);
    for (int mode : {kColourModeSingle, kColourModeHeight, kColourModeSlope, 7}) {
        in.colours.mode = mode;
        EXPECT_EQ(VertexColours(in, 0, 9).At(0, 0), kBlue) << mode;
    }
    in.colours.mode = kColourModeSingle;
    EXPECT_EQ(VertexColours(in, 0, 9).At(1, 0), 0xFF010203u);
    in.colours.mode = 7;
    EXPECT_EQ(VertexColours(in, 0, 9).At(1, 0), 0xFF000000u);
}

} // namespace
} // namespace qb
