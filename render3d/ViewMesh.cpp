#include "render3d/ViewMesh.h"

#include "colour/ApplyColorScheme.h"
#include "render3d/MeshBuild.h"
#include "terrain/HeightGrid.h"

namespace qb {

int BuildViewMesh(const CHeightGrid& grid, const SampledGrid& samples, double exaggeration, ISettingsStore& store,
                  int scheme, IProgress* progress, TerrainMesh& out)
{
    MeshInput input;
    input.columns = samples.columns;
    input.rows = samples.rows;
    input.colSpacing = grid.GetMeshSize() * samples.step;
    input.rowSpacing = grid.GetMeshSize2() * samples.step;
    input.heights = samples.heights;
    input.exaggeration = exaggeration;
    ApplyColorScheme(store, input.colours, scheme);
    return BuildMesh(input, progress, out);
}

} // namespace qb
