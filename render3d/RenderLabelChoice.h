#pragma once
#include "places/LabelSettings.h"
#include "render3d/LabelShapes.h"
#include "views/GridRange.h"

#include <span>
#include <vector>

namespace qb {

// A place name chosen for the picture and the record it stands for.
struct ChosenLabel {
    LabelPlace place;
    int record = 0; // index into the records as sorted
};

// The grid's metres between columns and rows and the height exaggeration.
struct LabelMetrics {
    double colSpacing = 0, rowSpacing = 0;
    double exaggeration = 1;
};

// Sorts the records for drawing and picks, in that order, the first 30 that
// the label settings show and that lie inside `range`, placed in metres from
// the range's first point. `view` counts the labels chosen.
std::vector<ChosenLabel> ChooseRenderLabels(std::span<PlaceRecord> records, const GridRange& range,
                                            const LabelMetrics& metrics, LabelViewState& view,
                                            const CLabelState& state = g_LabelState);

} // namespace qb
