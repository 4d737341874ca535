#pragma once
#include "render3d/TerrainMesh.h"

namespace qb {

// Sets the normal of every vertex of `block` (whose z are in place) to the
// normalised sum of the face normals of the block's own triangles around it:
// six for an inner vertex, fewer on the block's edges and corners. `colStep`
// and `rowStep` are the model units between columns and rows.
void SetBlockNormals(TerrainBlock& block, float colStep, float rowStep);

} // namespace qb
