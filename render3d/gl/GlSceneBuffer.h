#pragma once
#include "render3d/gl/GlApi.h"
#include "render3d/TerrainMesh.h"

#include <span>

namespace qb {

// Vertices with their whole position (walls, label poles and quads) in one
// buffer, drawn as triangle strips.
class CGlSceneBuffer {
public:
    // Replaces the buffer's vertices; `usage` GL_STATIC_DRAW for what stays
    // for a whole build, GL_STREAM_DRAW for what changes every frame.
    void Fill(const GlApi& gl, std::span<const SceneVertex> vertices, GLenum usage);
    // Binds the buffer's vertex layout for the strips that follow.
    void Bind(const GlApi& gl) const;
    void DrawStrip(const GlApi& gl, int first, int count) const;
    void Release(const GlApi& gl);

private:
    void Create(const GlApi& gl);

    GLuint m_vao = 0, m_buffer = 0;
};

} // namespace qb
