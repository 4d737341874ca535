#pragma once
#include "render3d/RenderCamera.h"
#include "render3d/RenderFrame.h"
#include "views/GridRange.h"

#include <string>
#include <vector>

namespace qb {

struct LabelViewState;
struct PlaceRecord;

// The most place names the rendering view stands on poles.
inline constexpr int kMaxRenderLabels = 30;

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

// What sizes the poles and the quads: the mesh's spans in metres and the
// spacing of the document's grid (finer grids get smaller labels).
struct LabelScale {
    double widthMetres = 0, heightMetres = 0;
    int gridSpacing = 0;
    float scale = 0; // model units per metre
};
LabelScale LabelScaleOf(const TerrainMesh& mesh, int gridSpacing);

// The pole and the quad of each label for the camera as it is now: the
// quad stands on its pole across the line of sight, leaning back with the
// camera's elevation. Label i shows bitmap i.
std::vector<LabelShape> LabelShapesOf(const std::vector<RenderLabel>& labels, const RenderCamera& camera,
                                      const LabelScale& scale);

} // namespace qb
