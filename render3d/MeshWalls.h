#pragma once
#include "render3d/TerrainMesh.h"

namespace qb {

struct MeshInput;

// The four side walls of the shown rows (the first `rowsUsed`) as triangle
// strips: at every point along an edge a vertex at the terrain and one
// below it at z = 0, in dark red, facing out.
void BuildWalls(const MeshInput& input, int rowsUsed, float scale, TerrainMesh& mesh);

} // namespace qb
