#pragma once
#include "cli/CliSupport.h"
#include "render3d/RenderCamera.h"
#include "views/GridRange.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qb::cli {

// What view3d draws: a file's range as the rendering view shows it for the
// settings given, the view's own defaults for the rest.
struct View3dRequest {
    std::string input, output;
    int width = 1600, height = 1200;
    std::optional<int> meshSetting;
    std::optional<GridRange> range;
    std::int64_t resolution = 67108864;
    double exaggeration = 1.0;
    int colourScheme = 5;
    bool names = false;
    RenderCamera camera; // angles and distance; the target comes from the mesh
};

// Reads the command line into `request`; nullptr, or the usage message.
const char* ParseView3dRequest(const Arguments& args, View3dRequest& request);

} // namespace qb::cli
