#pragma once
#include "render3d/TerrainMesh.h"

#include <cstdint>

namespace qb {

// A solid's x east, y north, z up in the y-up frame of glTF and OBJ:
// x east, y up, z south (a rotation, so the winding keeps its sense).
inline Vec3 YUp(const Vec3& v)
{
    return {v[0], v[2], -v[1]};
}

// The red, green and blue of 0xAARRGGBB, 0 to 255.
inline std::uint32_t RedOf(std::uint32_t argb) { return argb >> 16 & 0xFF; }
inline std::uint32_t GreenOf(std::uint32_t argb) { return argb >> 8 & 0xFF; }
inline std::uint32_t BlueOf(std::uint32_t argb) { return argb & 0xFF; }

} // namespace qb
