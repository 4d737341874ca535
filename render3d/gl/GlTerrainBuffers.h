#pragma once
#include "render3d/gl/GlApi.h"
#include "render3d/gl/GlProgram.h"
#include "render3d/TerrainMesh.h"

#include <map>
#include <tuple>
#include <vector>

namespace qb {

// The terrain on the GPU: one vertex buffer per block, filled once per
// build, and index buffers shared by every block of the same size at the
// same detail, made the first time a frame needs them.
class CGlTerrainBuffers {
public:
    void Upload(const GlApi& gl, const TerrainMesh& mesh);
    // Draws every block at `detail` (1 every vertex, k every k-th column
    // and row) with the program in use.
    void Draw(const GlApi& gl, const CGlProgram::Uniforms& uniforms, int detail);
    void Release(const GlApi& gl);

private:
    struct Block {
        BlockSpan span;
        GLuint vertices = 0;
    };
    struct Indices {
        GLuint buffer = 0;
        GLsizei count = 0;
    };
    using IndexKey = std::tuple<int, int, int>; // w, h, detail

    const Indices& IndicesOf(const GlApi& gl, const BlockSpan& span, int detail);
    void BindBlock(const GlApi& gl, const Block& block) const;

    GLuint m_vao = 0;
    std::vector<Block> m_blocks;
    std::map<IndexKey, Indices> m_indices;
    float m_colStep = 0, m_rowStep = 0;
};

} // namespace qb
