#include "render3d/RenderLabelChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

PlaceRecord Record(int kind, int col, int row, float height, const char* name)
{
    PlaceRecord r;
    r.kind = kind;
    r.col = col;
    r.row = row;
    r.height = height;
    r.SetName(name);
    return r;
}

CLabelState ManualAllBut(int hiddenKind)
{
    CLabelState state;
    state.autoNames = 0;
    state.showKind.fill(1);
    state.showKind[hiddenKind] = 0;
    return state;
}

TEST(RenderLabelChoice, ShownRecordsInsideTheRangeArePlacedInMetresFromItsCorner)
{
    std::vector<PlaceRecord> records{Record(kPass, 20, 30, 800, "toge"), Record(kPeak1, 15, 12, 1200, "yama"),
                                     Record(kFall, 16, 16, 500, "taki"), Record(kPeak1, 9, 12, 1500, "out"),
                                     Record(kPond, 40, 41, 300, "ike")};
    LabelViewState view{800, 600, 0};
    const auto chosen = ChooseRenderLabels(records, {10, 10, 40, 40}, {10, 5, 2}, view, ManualAllBut(kFall));
    ASSERT_EQ(chosen.size(), 2u) << "the fall is hidden; column 9 and row 41 lie outside";
    EXPECT_EQ(records[chosen[0].record].Name(), "yama") << "peaks sort first";
    EXPECT_EQ(chosen[0].place.metres, (Vec3{50, 10, 2400}));
    EXPECT_EQ(chosen[0].place.characters, 4);
    EXPECT_EQ(records[chosen[1].record].Name(), "toge");
    EXPECT_EQ(chosen[1].place.metres, (Vec3{100, 100, 1600}));
    EXPECT_EQ(view.drawnCount, 2);
}

TEST(RenderLabelChoice, AtMostThirtyAreChosen)
{
    std::vector<PlaceRecord> records(45, Record(kPeak2, 5, 5, 100, "a"));
    LabelViewState view{800, 600, 0};
    EXPECT_EQ(ChooseRenderLabels(records, {0, 0, 10, 10}, {10, 10, 1}, view, ManualAllBut(kFall)).size(), 30u);
    // The automatic choice stops at its own limit: 800 x 600 / 9000 is more than 20, so 20.
    CLabelState automatic;
    automatic.autoNames = 1;
    EXPECT_EQ(ChooseRenderLabels(records, {0, 0, 10, 10}, {10, 10, 1}, view, automatic).size(), 20u);
}

} // namespace
} // namespace qb
