#pragma once
#include "render3d/RenderFrame.h"

#include <span>
#include <vector>

namespace qb {

// A place name to stand in the picture: its point in metres from the first
// shown point (z the exaggerated height) and the length of its name, which
// sets the width of its quad.
struct LabelPlace {
    Vec3 metres{};
    int characters = 0;
};

// The most labels the picture shows.
inline constexpr int kMaxRenderLabels = 30;

// The pole and the name quad of each of the first 30 places, in model units,
// sized from the mesh's extent (taller on a coarse grid, one whose mesh
// spacing is above 10 m) and turned across the line of sight of a camera at
// `cameraOffset` from its target. Label i shows bitmap i.
std::vector<LabelShape> MakeLabelShapes(std::span<const LabelPlace> places, const TerrainMesh& mesh,
                                        bool coarseGrid, const Vec3& cameraOffset);

} // namespace qb
