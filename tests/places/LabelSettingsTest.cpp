#include "places/LabelSettings.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb {
namespace {

TEST(LabelLimits, AutomaticLimitFollowsTheClientAreaAndStopsAtTwenty)
{
    CLabelState state;
    struct Case { int width, height, limit; };
    for (const Case c : {Case{300, 300, 10}, Case{600, 400, 20}, Case{599, 300, 19}, Case{90, 90, 0},
                         Case{95, 95, 1}, Case{100000, 100000, 20}, Case{-300, -300, 0}}) {
        LabelViewState view{c.width, c.height, 0};
        int drawn = 0;
        for (; drawn < 30 && IsLabelShown(view, kPeak1, state); ++drawn)
            ++view.drawnCount;
        EXPECT_EQ(drawn, c.limit) << c.width << "x" << c.height;
    }
}

TEST(LabelLimits, ManualModeFollowsTheFlagsAndUnknownKindsAreNeverShown)
{
    CLabelState state;
    state.autoNames = 0;
    state.showKind[kPass] = 1;
    const LabelViewState view{1000, 1000, 500};
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        EXPECT_EQ(IsLabelShown(view, kind, state), kind == kPass ? 1 : 0) << kind;
    state.showKind.fill(1);
    for (const int automatic : {0, 1}) {
        state.autoNames = automatic;
        for (const int bad : {-1, 14})
            EXPECT_EQ(IsLabelShown(LabelViewState{1000, 1000, 0}, bad, state), 0) << bad;
    }
}

TEST(LabelOrder, PriorityOfTheKindThenHeightHigherFirst)
{
    const std::vector<std::pair<int, float>> input = {
        {kRiver1, 3000}, {kPeak2, 900}, {kPeak1, 1000}, {kEtc, 4000}, {99, 5000}, {kPeak1, 2000},
        {kRidge3, 100}, {kPeak2, 1500}, {kPass, NAN}, {kPass, 700}, {kPeak3, 2500}, {kFall, 300}};
    std::vector<PlaceRecord> records(input.size());
    for (std::size_t i = 0; i < input.size(); ++i)
        std::tie(records[i].kind, records[i].height) = input[i];
    LabelViewState view{300, 300, 17};
    SortLabels(static_cast<int>(records.size()), records.data(), view);
    EXPECT_EQ(view.drawnCount, 0);
    const std::vector<std::pair<int, float>> expected = {
        {kPeak1, 2000}, {kPeak1, 1000}, {kPeak2, 1500}, {kPeak2, 900}, {kRiver1, 3000}, {kPeak3, 2500},
        {kFall, 300}, {kPass, 700}, {kPass, NAN}, {kRidge3, 100}, {kEtc, 4000}, {99, 5000}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(records[i].kind, expected[i].first) << i;
        if (!std::isnan(expected[i].second)) {
            EXPECT_EQ(records[i].height, expected[i].second) << i;
        }
    }
}

TEST(LabelSettings, FirstStartDefaultsAndTheSavedStateReadsBack)
{
    CMemorySettingsStore store;
    CLabelState state;
    state.autoNames = 0;
    state.showKind.fill(5);
    LoadLabelSettings(store, state);
    EXPECT_EQ(state.autoNames, 1);
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        EXPECT_EQ(state.showKind[kind], kind == kPeak1 || kind == kRiver1 || kind == kRidge1 ? 1 : 0) << kind;
    EXPECT_EQ(std::make_pair(state.fonts[kPeak1].height, state.fonts[kPeak1].colour), std::make_pair(-13, 0u));
    EXPECT_EQ(std::make_pair(state.fonts[kRiver3].height, state.fonts[kRiver3].colour),
              std::make_pair(-11, 0xFF0000u));
    EXPECT_EQ(std::make_pair(state.fonts[kPass].height, state.fonts[kPass].colour), std::make_pair(-12, 0x800080u));
    EXPECT_EQ(state.fonts[kStructure].colour, 0x000080u);

    state.autoNames = 0;
    state.showKind[kPond] = 1;
    state.fonts[kEtc].colour = 0x123456;
    SaveLabelSettings(store, state);
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 9), 1);
    EXPECT_EQ(store.GetSettingInt("Etc", "FontColor", 0), 0x123456);
    CLabelState back;
    LoadLabelSettings(store, back);
    EXPECT_EQ(back.autoNames, 0);
    EXPECT_EQ(back.showKind, state.showKind);
    EXPECT_EQ(back.fonts[kEtc].colour, 0x123456u);
}

} // namespace
} // namespace qb
