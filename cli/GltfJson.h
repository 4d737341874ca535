#pragma once
#include "render3d/TerrainMesh.h"

#include <cstdint>
#include <string>

namespace qb {

// A vertex of a .glb buffer, interleaved: position, normal (floats) and
// colour (four unsigned shorts).
inline constexpr int kGltfNormalOffset = 12, kGltfColourOffset = 24, kGltfVertexBytes = 32;

// What one primitive holds: its vertices, then its uint32 indices, from
// `offset` in the buffer, and the bounds of its positions.
struct GltfPart {
    std::int64_t vertices = 0, indices = 0;
    Vec3 low{}, high{};
    std::int64_t offset = 0;
    std::int64_t VertexBytes() const { return vertices * kGltfVertexBytes; }
    std::int64_t IndexBytes() const { return indices * 4; }
    std::int64_t Bytes() const { return VertexBytes() + IndexBytes(); }
};

// The JSON of a glTF 2.0 asset of one buffer holding the two primitives of
// one mesh, the terrain and its sides, each with POSITION, NORMAL, COLOR_0
// (normalized) and triangle indices, in one matte material.
std::string GltfJson(const GltfPart& surface, const GltfPart& sides);

} // namespace qb
