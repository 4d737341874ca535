#include "places/LabelSettings.h"
#include "tests/views/ViewerFixture.h"
#include "views/LabelPlacer.h"

namespace qb::test {
namespace {

// Draws nothing; refuses the first label offered, as if it found no room.
class CRefusingPlacer final : public ILabelPlacer {
public:
    void Reset(const DrawRect& visible) override { resets.push_back(visible); }
    bool Place(IDrawContext&, int x, int y, const PlaceRecord& record, LabelStyle style) override
    {
        EXPECT_EQ(style, LabelStyle::TwoD);
        offered.push_back({x, y});
        heights.push_back(record.height);
        return offered.size() > 1;
    }
    std::vector<DrawRect> resets;
    std::vector<DrawPoint> offered;
    std::vector<float> heights;
};

TEST_F(ViewerTest, NamesInsideTheRangeAreOfferedHighestFirstUntilTheAutomaticLimitIsDrawn)
{
    const CLabelState saved = g_LabelState;
    g_LabelState.autoNames = 1;  // 222 x 222 pixels: at most 5 labels
    std::vector<PlaceRecord> names(10);
    for (int i = 0; i < 10; ++i) {
        names[i].kind = kPeak1;
        names[i].col = i;
        names[i].row = 2 * i;
        names[i].height = float(100 + i);
    }
    names[9].col = -1;   // not on the grid
    names[8].col = 30;   // outside the range
    MakeGrid(21, 21, [](int, int) { return 5.0f; });
    CRefusingPlacer placer;
    viewer.SetLabelPlacer(&placer);
    viewer.SetNames(names.data(), int(names.size()));
    viewer.Draw(dc, kClient);
    EXPECT_EQ(placer.resets, std::vector<DrawRect>{kClient});
    EXPECT_EQ(placer.heights, (std::vector<float>{107, 106, 105, 104, 103, 102}));
    EXPECT_EQ(placer.offered.front(), At(7, 14));
    EXPECT_EQ(viewer.LabelsDrawn(), 5);
    g_LabelState = saved;
}

} // namespace
} // namespace qb::test
