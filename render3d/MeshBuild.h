#pragma once
#include "colour/ColourBlock.h"
#include "render3d/TerrainMesh.h"

#include <span>

namespace qb {

class IProgress;

// What the rendering view hands over for a mesh: a grid of heights already
// multiplied by the height exaggeration, and the colours to paint it with.
struct MeshInput {
    int columns = 0, rows = 0;
    double colSpacing = 0, rowSpacing = 0; // metres
    std::span<const float> heights;        // columns x rows, row 0 first
    ColourBlock colours;
    double exaggeration = 1;               // the factor the heights carry
};

// Builds the blocks with their colours and normals, the side walls and the
// camera's starting target into `out`. Returns 1, or 0 with `out` empty when
// there is nothing to show (no points, no extent, no block with a triangle)
// or the user cancelled.
int BuildMesh(const MeshInput& input, IProgress* progress, TerrainMesh& out);

} // namespace qb
