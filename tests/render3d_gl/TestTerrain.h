#pragma once
#include "render3d/RenderFrame.h"

#include <cstdint>
#include <vector>

namespace qb::test {

// A 20 x 20 unit terrain of 41 x 41 points, half a unit apart, made without
// the mesh builder so that every normal and colour is known: land at
// height 2 in green-grey, a pond of height 0 in blue (x 2 ... 7, y 4 ... 16),
// and a ridge along y rising from x = 8 to its top of 5 at x = 14 and falling
// to x = 20; dark-red walls down to 0 along the four sides.
inline constexpr std::uint32_t kLandColour = 0xFF40C080;
inline constexpr std::uint32_t kPondColour = 0xFF0000FF;
inline constexpr Vec3 kFlatNormal{0, 0, 1};
extern const Vec3 kRisingNormal;  // the ridge's side from x = 8 to 14, facing -x
extern const Vec3 kFallingNormal; // its side from x = 14 to 20, facing +x

float TestHeight(float x, float y);
TerrainMesh MakeTestTerrain();

// The colour of the lighting for a vertex colour and a unit normal under a
// light travelling along `light`, as 0xAARRGGBB with the vertex's alpha.
std::uint32_t LitColour(std::uint32_t argb, const Vec3& normal, const Vec3& light);

// The pixel a model point lands on in a frame (Direct3D's convention, row 0
// at the top); false behind the camera.
bool PixelOf(const RenderFrame& frame, const Vec3& point, int& px, int& py);

// Whether two colours differ by at most 2 in each channel (rounding and the
// packing of normals).
bool Near(std::uint32_t a, std::uint32_t b);

} // namespace qb::test
