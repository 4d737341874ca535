#include "places/LabelSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qb {

CLabelState g_LabelState;

namespace {

constexpr std::string_view kAutoKey = "Auto";

// Sort key of a record: its rank, then its height negated so that the
// higher comes first. A height that is not a number counts as the lowest,
// which keeps the comparison a strict weak order.
struct LabelOrderKey {
    int rank;
    float negatedHeight;
    bool operator<(const LabelOrderKey& other) const
    {
        return rank != other.rank ? rank < other.rank : negatedHeight < other.negatedHeight;
    }
};

LabelOrderKey KeyOf(const PlaceRecord& record)
{
    const int rank = IsPlaceKind(record.kind) ? kPlaceKinds[record.kind].priority : kPlaceKindCount;
    const float height = std::isnan(record.height) ? -std::numeric_limits<float>::infinity() : record.height;
    return {rank, -height};
}

} // namespace

void LoadLabelSettings(ISettingsStore& store, CLabelState& state)
{
    state.autoNames = store.GetSettingInt(kLabelSection, kAutoKey, 1);
    for (int kind = 0; kind < kPlaceKindCount; ++kind) {
        const PlaceKind& info = kPlaceKinds[kind];
        state.showKind[kind] = store.GetSettingInt(kLabelSection, info.name, info.shownAtFirst);
    }
    for (int kind = 0; kind < kPlaceKindCount; ++kind) {
        const PlaceKind& info = kPlaceKinds[kind];
        ReadFontSetting(store, info.name, state.fonts[kind], info.level, info.colourKind);
    }
}

void SaveLabelSettings(ISettingsStore& store, const CLabelState& state)
{
    store.WriteSettingInt(kLabelSection, kAutoKey, state.autoNames);
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        store.WriteSettingInt(kLabelSection, kPlaceKinds[kind].name, state.showKind[kind]);
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        WriteFontSetting(store, kPlaceKinds[kind].name, state.fonts[kind]);
}

int AutoLabelLimit(const LabelViewState& view)
{
    if (view.width <= 0 || view.height <= 0)
        return 0;
    // 64-bit product: a very large client area must not wrap to a negative limit.
    const std::int64_t limit = std::int64_t{view.width} * view.height / 9000;
    return static_cast<int>(std::min<std::int64_t>(limit, kMaxAutoLabels));
}

int IsLabelShown(const LabelViewState& view, int kind, const CLabelState& state)
{
    // The views index the font table by the kind, so an unknown kind is never drawn.
    if (!IsPlaceKind(kind))
        return 0;
    if (state.autoNames != 0)
        return view.drawnCount < AutoLabelLimit(view) ? 1 : 0;
    return state.showKind[kind] != 0 ? 1 : 0;
}

void SortLabels(int count, PlaceRecord* records, LabelViewState& view)
{
    view.drawnCount = 0;
    if (count <= 1 || records == nullptr)
        return;
    std::stable_sort(records, records + count, [](const PlaceRecord& a, const PlaceRecord& b) {
        return KeyOf(a) < KeyOf(b);
    });
}

} // namespace qb
