#include "places/LabelSettings.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb {
namespace {

PlaceRecord Place(int kind, float height, const char* name)
{
    PlaceRecord record;
    record.kind = kind;
    record.height = height;
    record.SetName(name);
    return record;
}

std::vector<std::string> NamesOf(const std::vector<PlaceRecord>& records)
{
    std::vector<std::string> names;
    for (const PlaceRecord& record : records)
        names.emplace_back(record.Name());
    return names;
}

TEST(LabelLimits, AutomaticLimitFollowsTheClientAreaAndStopsAtTwenty)
{
    CLabelState state;
    struct Case { int width, height, limit; };
    for (const Case c : {Case{300, 300, 10}, Case{600, 400, 20}, Case{599, 300, 19}, Case{90, 90, 0},
                         Case{94, 95, 0}, Case{95, 95, 1}, Case{100000, 100000, 20}, Case{-300, -300, 0},
                         Case{0, 500, 0}}) {
        LabelViewState view{c.width, c.height, 0};
        EXPECT_EQ(AutoLabelLimit(view), c.limit) << c.width << "x" << c.height;
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
    state.showKind[kEtc] = 7;
    const LabelViewState view{1000, 1000, 500};
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        EXPECT_EQ(IsLabelShown(view, kind, state), kind == kPass || kind == kEtc ? 1 : 0) << kind;

    for (const int automatic : {0, 1}) {
        state.autoNames = automatic;
        state.showKind.fill(1);
        const LabelViewState fresh{1000, 1000, 0};
        for (const int bad : {-1, 14, 1000})
            EXPECT_EQ(IsLabelShown(fresh, bad, state), 0) << bad << " auto " << automatic;
    }
}

TEST(LabelOrder, PriorityOfTheKindThenHeightHigherFirst)
{
    std::vector<PlaceRecord> records = {
        Place(kRiver1, 3000.0f, "river1"),   Place(kPeak2, 900.0f, "peak2low"),
        Place(kPeak1, 1000.0f, "peak1low"),  Place(kEtc, 4000.0f, "etc"),
        Place(99, 5000.0f, "unknown"),       Place(kPeak1, 2000.0f, "peak1high"),
        Place(kRidge3, 100.0f, "ridge3"),    Place(kPeak2, 1500.0f, "peak2high"),
        Place(kPass, NAN, "passNaN"),        Place(kPass, 700.0f, "pass"),
        Place(kStructure, 800.0f, "structure"), Place(-3, 10.0f, "negative"),
        Place(kPeak3, 2500.0f, "peak3"),     Place(kFall, 300.0f, "fall"),
    };
    LabelViewState view{300, 300, 17};
    SortLabels(static_cast<int>(records.size()), records.data(), view);
    EXPECT_EQ(view.drawnCount, 0);
    const std::vector<std::string> expected = {"peak1high", "peak1low", "peak2high", "peak2low", "river1",
                                               "peak3",     "fall",     "pass",      "passNaN",  "structure",
                                               "ridge3",    "etc"};
    std::vector<std::string> names = NamesOf(records);
    ASSERT_EQ(names.size(), 14u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 12), expected);
    const std::vector<std::string> last(names.begin() + 12, names.end());
    EXPECT_TRUE(last == (std::vector<std::string>{"unknown", "negative"}) ||
                last == (std::vector<std::string>{"negative", "unknown"}));
}

TEST(LabelOrder, FirstLabelsOfAnAutomaticViewAreTheHighestFirstLevelPeaks)
{
    CLabelState state;
    std::vector<PlaceRecord> records;
    for (int i = 0; i < 30; ++i)
        records.push_back(Place(i % kPlaceKindCount, static_cast<float>(i * 37 % 101), "x"));
    LabelViewState view{300, 300, 0};
    SortLabels(0, nullptr, view);
    SortLabels(static_cast<int>(records.size()), records.data(), view);
    std::vector<PlaceRecord> drawn;
    for (const PlaceRecord& record : records)
        if (IsLabelShown(view, record.kind, state)) {
            drawn.push_back(record);
            ++view.drawnCount;
        }
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(drawn[0].kind, kPeak1);
    EXPECT_EQ(drawn[1].kind, kPeak1);
    EXPECT_GE(drawn[0].height, drawn[1].height);
}

TEST(LabelSettings, FirstStartIsAutomaticWithFirstLevelPeaksRiversAndRidgesInManualMode)
{
    CMemorySettingsStore store;
    CLabelState state;
    state.autoNames = 0;
    state.showKind.fill(5);
    LoadLabelSettings(store, state);
    EXPECT_EQ(state.autoNames, 1);
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        EXPECT_EQ(state.showKind[kind], kind == kPeak1 || kind == kRiver1 || kind == kRidge1 ? 1 : 0) << kind;
    EXPECT_EQ(state.fonts[kPeak1].height, -13);
    EXPECT_EQ(state.fonts[kRiver2].height, -12);
    EXPECT_EQ(state.fonts[kRidge3].height, -11);
    EXPECT_EQ(state.fonts[kRiver3].colour, 0xFF0000u);
    EXPECT_EQ(state.fonts[kPass].colour, 0x800080u);
    EXPECT_EQ(state.fonts[kStructure].colour, 0x000080u);
    EXPECT_EQ(state.fonts[kPeak2].colour, 0x000000u);
    EXPECT_EQ(store.WriteCount(), 0);

    state.autoNames = 0;
    const LabelViewState view{300, 300, 0};
    EXPECT_EQ(IsLabelShown(view, kRidge1, state), 1);
    EXPECT_EQ(IsLabelShown(view, kRidge2, state), 0);
}

TEST(LabelSettings, SavedStateReadsBackUnderTheKindNames)
{
    CMemorySettingsStore store;
    CLabelState state;
    LoadLabelSettings(store, state);
    state.autoNames = 0;
    state.showKind[kPeak1] = 0;
    state.showKind[kPond] = 1;
    state.fonts[kFall].faceName = "IPAGothic";
    state.fonts[kFall].weight = 700;
    state.fonts[kEtc].colour = 0x123456;
    SaveLabelSettings(store, state);
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 9), 0);
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 9), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Peak1", 9), 0);
    EXPECT_EQ(store.GetSettingString("Fall", "FaceName", ""), "IPAGothic");
    EXPECT_EQ(store.GetSettingInt("Etc", "FontColor", 0), 0x123456);

    CLabelState back;
    LoadLabelSettings(store, back);
    EXPECT_EQ(back.autoNames, 0);
    EXPECT_EQ(back.showKind, state.showKind);
    EXPECT_EQ(back.fonts[kFall].weight, 700);
    EXPECT_EQ(back.fonts[kEtc].colour, 0x123456u);
    EXPECT_EQ(back.fonts[kRiver1].height, -13);
}

TEST(LabelSettings, TheProcessWideStateIsWhatTheDefaultsWorkOn)
{
    const CLabelState saved = g_LabelState;
    CMemorySettingsStore store;
    store.WriteSettingInt("String", "Auto", 0);
    store.WriteSettingInt("String", "Etc", 1);
    LoadLabelSettings(store);
    EXPECT_EQ(g_bAutoNames, 0);
    EXPECT_EQ(g_bShowKind[kEtc], 1);
    EXPECT_EQ(g_LabelFonts[kPeak1].height, -13);
    EXPECT_EQ(IsLabelShown(LabelViewState{10, 10, 0}, kEtc), 1);
    g_LabelState = saved;
}

} // namespace
} // namespace qb
