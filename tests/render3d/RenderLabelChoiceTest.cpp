#include "render3d/RenderLabelChoice.h"

#include "places/LabelSettings.h"
#include "places/PlaceRecord.h"

#include <gtest/gtest.h>

#include <cmath>
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


struct RenderViewLabels : ::testing::Test {
    void SetUp() override
    {
        saved = g_LabelState;
        g_bAutoNames = 0;
        g_bShowKind.fill(1);
    }
    void TearDown() override { g_LabelState = saved; }
    CLabelState saved;
};

TEST_F(RenderViewLabels, TakesTheShownNamesInsideTheRangeAtMostThirty)
{
    std::vector<PlaceRecord> records;
    records.push_back(Record(0, 5, 5, 100.0f, "outside"));
    records.push_back(Record(0, 23, 17, 250.5f, "peak"));
    for (int i = 0; i < 40; ++i)
        records.push_back(Record(0, 20 + i, 30, 10.0f, "many"));
    LabelViewState view{800, 600, 0};
    const std::vector<ChosenLabel> labels =
        ChooseRenderLabels(records, GridRange{10, 10, 100, 100}, LabelMetrics{5.0, 7.5, 2.0}, view);
    ASSERT_EQ(labels.size(), std::size_t(kMaxRenderLabels));
    EXPECT_EQ(view.drawnCount, kMaxRenderLabels);
    // Sorted highest first: the peak leads, at its offsets in metres, its name four bytes long.
    EXPECT_EQ(records[std::size_t(labels[0].record)].Name(), "peak");
    EXPECT_FLOAT_EQ(labels[0].place.metres[0], 65);
    EXPECT_FLOAT_EQ(labels[0].place.metres[1], std::round(7 * 7.5));
    EXPECT_FLOAT_EQ(labels[0].place.metres[2], 501);
    EXPECT_EQ(labels[0].place.characters, 4);
    for (const ChosenLabel& label : labels)
        EXPECT_NE(records[std::size_t(label.record)].Name(), "outside");

    g_bShowKind.fill(0);
    EXPECT_TRUE(ChooseRenderLabels(records, GridRange{10, 10, 100, 100}, LabelMetrics{5, 5, 1}, view).empty());
}

} // namespace
} // namespace qb
