#pragma once
#include "places/LabelFont.h"
#include "places/PlaceKinds.h"
#include "places/PlaceRecord.h"
#include "platform/SettingsStore.h"

#include <array>
#include <cstdint>

namespace qb {

// How place-name labels look and which are drawn: the font of each kind,
// the manual display flag of each kind and the choice between the manual
// flags and the automatic limit. The process keeps one instance shared by
// all views (g_LabelState); tests and dialogs may work on their own.
struct CLabelState {
    std::array<LabelFont, kPlaceKindCount> fonts{};
    std::array<std::int32_t, kPlaceKindCount> showKind{};
    std::int32_t autoNames = 1;   // non-zero automatic, 0 by the manual flags
};

extern CLabelState g_LabelState;
inline std::array<LabelFont, kPlaceKindCount>& g_LabelFonts = g_LabelState.fonts;
inline std::array<std::int32_t, kPlaceKindCount>& g_bShowKind = g_LabelState.showKind;
inline std::int32_t& g_bAutoNames = g_LabelState.autoNames;

// Section of the display flags.
inline constexpr std::string_view kLabelSection = "String";

// What a view tells the label test: its client size in pixels and how many
// labels it has drawn since the last SortLabels.
struct LabelViewState {
    int width = 0;
    int height = 0;
    int drawnCount = 0;
};

// The most labels the automatic choice draws in one view.
inline constexpr int kMaxAutoLabels = 20;

// Reads the display flags from "String" and each kind's font from the
// section named after the kind.
void LoadLabelSettings(ISettingsStore& store, CLabelState& state = g_LabelState);
// Writes the flags and the fonts back.
void SaveLabelSettings(ISettingsStore& store, const CLabelState& state = g_LabelState);

// The automatic limit of a view: width x height / 9000, at most 20.
int AutoLabelLimit(const LabelViewState& view);
// 1 when a label of the kind is to be drawn now, else 0. Unknown kinds are
// never drawn, in either mode.
int IsLabelShown(const LabelViewState& view, int kind, const CLabelState& state = g_LabelState);

// Orders the records for drawing: by the priority of their kind, then by
// height, higher first; records of unknown kinds (and heights that are not
// numbers) go last. Resets the view's count of labels drawn.
void SortLabels(int count, PlaceRecord* records, LabelViewState& view);

} // namespace qb
