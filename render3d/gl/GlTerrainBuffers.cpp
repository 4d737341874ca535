#include "render3d/gl/GlTerrainBuffers.h"

#include "render3d/gl/GlShaderSource.h"
#include "render3d/BlockIndices.h"

#include <cstddef>

namespace qb {
namespace {

const void* At(std::size_t offset)
{
    return reinterpret_cast<const void*>(offset);
}

} // namespace

void CGlTerrainBuffers::Upload(const GlApi& gl, const TerrainMesh& mesh)
{
    Release(gl);
    gl.GenVertexArrays(1, &m_vao);
    m_colStep = mesh.colStep;
    m_rowStep = mesh.rowStep;
    for (const TerrainBlock& block : mesh.blocks) {
        if (!block.span.HasTriangles() || block.vertices.empty())
            continue;
        Block gpu{block.span, 0};
        gl.GenBuffers(1, &gpu.vertices);
        gl.BindBuffer(GL_ARRAY_BUFFER, gpu.vertices);
        gl.BufferData(GL_ARRAY_BUFFER, GLsizeiptr(block.vertices.size() * sizeof(TerrainVertex)),
                      block.vertices.data(), GL_STATIC_DRAW);
        m_blocks.push_back(gpu);
    }
}

const CGlTerrainBuffers::Indices& CGlTerrainBuffers::IndicesOf(const GlApi& gl, const BlockSpan& span,
                                                                int detail)
{
    Indices& indices = m_indices[IndexKey{span.cols, span.rows, detail}];
    if (indices.buffer)
        return indices;
    const std::vector<std::uint16_t> list = BlockTriangleIndices(span.cols, span.rows, detail);
    gl.GenBuffers(1, &indices.buffer);
    // The element buffer binding belongs to the bound vertex array.
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices.buffer);
    gl.BufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(list.size() * sizeof(std::uint16_t)), list.data(),
                  GL_STATIC_DRAW);
    indices.count = GLsizei(list.size());
    return indices;
}

void CGlTerrainBuffers::BindBlock(const GlApi& gl, const Block& block) const
{
    constexpr GLsizei stride = sizeof(TerrainVertex);
    gl.BindBuffer(GL_ARRAY_BUFFER, block.vertices);
    gl.VertexAttribPointer(kAttribPosition, 1, GL_FLOAT, GL_FALSE, stride, At(offsetof(TerrainVertex, z)));
    gl.VertexAttribIPointer(kAttribPackedNormal, 1, GL_INT, stride, At(offsetof(TerrainVertex, normal)));
    gl.VertexAttribPointer(kAttribColour, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                           At(offsetof(TerrainVertex, argb)));
}

void CGlTerrainBuffers::Draw(const GlApi& gl, const CGlProgram::Uniforms& uniforms, int detail)
{
    if (m_blocks.empty())
        return;
    gl.BindVertexArray(m_vao);
    for (GLuint attribute : {kAttribPosition, kAttribPackedNormal, kAttribColour})
        gl.EnableVertexAttribArray(attribute);
    gl.Uniform1i(uniforms.terrain, 1);
    gl.Uniform1f(uniforms.colStep, m_colStep);
    gl.Uniform1f(uniforms.rowStep, m_rowStep);
    for (const Block& block : m_blocks) {
        BindBlock(gl, block);
        const Indices& indices = IndicesOf(gl, block.span, detail);
        gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices.buffer);
        gl.Uniform1i(uniforms.firstCol, block.span.firstCol);
        gl.Uniform1i(uniforms.firstRow, block.span.firstRow);
        gl.Uniform1i(uniforms.cols, block.span.cols);
        gl.DrawElements(GL_TRIANGLES, indices.count, GL_UNSIGNED_SHORT, nullptr);
    }
    gl.Uniform1i(uniforms.terrain, 0);
    gl.BindVertexArray(0);
}

void CGlTerrainBuffers::Release(const GlApi& gl)
{
    for (const Block& block : m_blocks)
        gl.DeleteBuffers(1, &block.vertices);
    for (const auto& [key, indices] : m_indices)
        gl.DeleteBuffers(1, &indices.buffer);
    if (m_vao)
        gl.DeleteVertexArrays(1, &m_vao);
    m_vao = 0;
    m_blocks.clear();
    m_indices.clear();
}

} // namespace qb
