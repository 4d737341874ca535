#pragma once

namespace qb {

// Attribute locations shared by the terrain and the scene vertices.
enum GlAttribute {
    kAttribPosition = 0, // scene: x, y, z; terrain: z alone (x, y follow from the vertex's place)
    kAttribNormal = 1,   // scene: unit normal
    kAttribColour = 2,   // both: 0xAARRGGBB read as BGRA bytes
    kAttribTexCoord = 3, // scene: u, v
    kAttribPackedNormal = 4, // terrain: three signed 10-bit fields, x lowest
};

// The lighting of a fixed-function pipeline, per vertex: the vertex colour
// is the diffuse material, lit by one white directional light, plus an
// emissive 0.4 (the scene's ambient light meets a material ambient of 0 and
// adds nothing); alpha is the vertex colour's. A textured quad multiplies
// the texture's colour by the lit colour and keeps the texture's alpha.
extern const char* const kGlVertexShader;
extern const char* const kGlFragmentShader;

} // namespace qb
