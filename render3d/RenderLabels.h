#pragma once
#include "render3d/LabelShapes.h"
#include "views/GridRange.h"

#include <string>
#include <vector>

namespace qb {

struct LabelViewState;
struct PlaceRecord;

// A place name placed in the mesh, in metres from the range's first point.
struct RenderLabel {
    double x = 0, y = 0, z = 0;
    int kind = 0;
    std::string name; // code page 932
};

// Where the records land in the mesh of `range`: sorted for drawing, those
// the label display shows and that lie inside the range, at most 30; x and
// y are the column and row offsets times the spacings (rounded to metres),
// z the height times the exaggeration. `view` counts the labels taken.
std::vector<RenderLabel> ChooseRenderLabels(PlaceRecord* records, int count, const GridRange& range,
                                            double colSpacing, double rowSpacing, double exaggeration,
                                            LabelViewState& view);

// The points and name lengths the poles and quads are made for.
std::vector<LabelPlace> LabelPlacesOf(const std::vector<RenderLabel>& labels);

} // namespace qb
