#pragma once
#include "render3d/TerrainMesh.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qb {

// A 4 x 4 matrix in Direct3D's convention: row vectors (v' = v M), stored row
// by row, clip depth 0 at the near plane and 1 at the far plane.
using Matrix4 = std::array<float, 16>;

// What the lighting of every frame is made of: the vertex colour is the
// diffuse material, the emissive term is 0.4 of white, the scene's ambient
// light is 0x00020202 (against a material ambient of 0) and one directional
// light of diffuse white shines along `lightDirection`. Lighting is per vertex.
inline constexpr std::uint32_t kClearColour = 0xFF000080; // navy
inline constexpr std::uint32_t kWallColour = 0xFF800000;  // dark red
inline constexpr std::uint32_t kSceneAmbient = 0x00020202;
inline constexpr float kMaterialEmissive = 0.4f;

// One place name standing on its pole: an 8-vertex strip of the pole and a
// 4-vertex strip of the textured quad across the line of sight.
struct LabelShape {
    std::array<SceneVertex, 8> pole{};
    std::array<SceneVertex, 4> quad{};
    int bitmap = 0; // index into the label bitmaps handed to the device
};

// A label's picture: the name in its kind's font and colour on white.
struct LabelBitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb; // row by row from the top
};

// Everything one frame draws besides the mesh the device already holds.
struct RenderFrame {
    int width = 0, height = 0; // pixels
    Matrix4 view{}, projection{};
    Vec3 lightDirection{};     // the direction the light travels
    // 1 draws every vertex; k > 1 every k-th column and row of each block
    // (its last column and row always), for quick frames while dragging.
    int detail = 1;
    std::span<const LabelShape> labels; // empty while names are hidden
};

} // namespace qb
