#pragma once
#include "platform/DrawContext.h"
#include "terrain/GeoBox.h"
#include "webmap/GlobeData.h"
#include "webmap/GlobeFonts.h"
#include "webmap/GlobeOptions.h"
#include "webmap/GlobeProjection.h"

#include <optional>
#include <vector>

namespace qb {

// Everything one drawing of the globe shows. Boxes and cells are in
// east-positive degrees; the records' longitudes are negated.
struct GlobeScene {
    const GlobeOptions* options = nullptr;
    const GlobeFonts* fonts = nullptr;
    const std::vector<GllRecord>* records = nullptr;
    int dataKind = 0;                  // the source kind whose mesh cells are drawn
    std::vector<GeoBox> storedCells;   // the cells holding stored tiles, outlined in red
    std::optional<GeoBox> chosenBox;   // the chosen box, outlined with an inverting pen
    bool printer = false;              // on a printer: no borders, areas outlined only
};

// The mesh-cell lines are drawn inside these bounds for a source kind.
GeoBox GlobeGridBounds(int dataKind);

// The view of the options in a window of width x height.
GlobeView GlobeViewOf(const GlobeOptions& options, int width, int height);

// Background, sea, the records in order, the mesh-cell grid, the stored
// cells and the chosen box.
void DrawGlobe(IDrawContext& dc, const GlobeView& view, const GlobeScene& scene);

} // namespace qb
