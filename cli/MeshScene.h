#pragma once
#include "cli/SceneOptions.h"
#include "render3d/TerrainMesh.h"
#include "render3d/ViewSampling.h"

#include <optional>
#include <string>

namespace qb::cli {

// The rendering view's mesh of an opened grid, as the mesh and export
// commands build it.
struct MeshScene {
    SampledGrid samples;
    TerrainMesh mesh;
};

// Samples the options' range of the grid and builds its mesh in the
// options' colour scheme. kExitOk; kExitFailure after a message when the
// range lies outside the grid, gives fewer than 30 samples either way, or
// nothing can be built.
int BuildScene(const CHeightGrid& grid, const SceneOptions& options, MeshScene& scene);

// Reads the options of a command that builds a scene: the scene options and
// --mesh-setting; nullptr or the usage message.
const char* ParseSceneCommand(const Arguments& args, SceneOptions& options, std::optional<int>& meshSetting);
// Opens FILE as `open` does (an area's tiles by --mesh-setting and
// --database) and builds its scene; kExitOk, else kExitFailure after a message.
int OpenScene(const std::string& file, const Arguments& args, const SceneOptions& options,
              std::optional<int> meshSetting, MeshScene& scene);


} // namespace qb::cli
