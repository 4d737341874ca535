#pragma once
#include "render3d/TerrainMesh.h"
#include "render3d/ViewSampling.h"

namespace qb {

class CHeightGrid;
class IProgress;
class ISettingsStore;

// Builds the rendering view's mesh of `samples` taken from `grid`: the
// spacings are the grid's times the step, the colours those of colour
// scheme `scheme`. 1 when built, 0 with `out` empty when there is nothing
// to show or the user cancelled.
int BuildViewMesh(const CHeightGrid& grid, const SampledGrid& samples, double exaggeration, ISettingsStore& store,
                  int scheme, IProgress* progress, TerrainMesh& out);

} // namespace qb
