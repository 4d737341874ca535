#include "render3d/gl/GlSceneBuffer.h"

#include "render3d/gl/GlShaderSource.h"

#include <cstddef>

namespace qb {
namespace {

const void* At(std::size_t offset)
{
    return reinterpret_cast<const void*>(offset);
}

} // namespace

void CGlSceneBuffer::Create(const GlApi& gl)
{
    gl.GenVertexArrays(1, &m_vao);
    gl.GenBuffers(1, &m_buffer);
    gl.BindVertexArray(m_vao);
    gl.BindBuffer(GL_ARRAY_BUFFER, m_buffer);
    constexpr GLsizei stride = sizeof(SceneVertex);
    gl.VertexAttribPointer(kAttribPosition, 3, GL_FLOAT, GL_FALSE, stride, At(offsetof(SceneVertex, position)));
    gl.VertexAttribPointer(kAttribNormal, 3, GL_FLOAT, GL_FALSE, stride, At(offsetof(SceneVertex, normal)));
    gl.VertexAttribPointer(kAttribColour, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, At(offsetof(SceneVertex, argb)));
    gl.VertexAttribPointer(kAttribTexCoord, 2, GL_FLOAT, GL_FALSE, stride, At(offsetof(SceneVertex, u)));
    for (GLuint attribute : {kAttribPosition, kAttribNormal, kAttribColour, kAttribTexCoord})
        gl.EnableVertexAttribArray(attribute);
    gl.BindVertexArray(0);
}

void CGlSceneBuffer::Fill(const GlApi& gl, std::span<const SceneVertex> vertices, GLenum usage)
{
    if (!m_vao)
        Create(gl);
    gl.BindBuffer(GL_ARRAY_BUFFER, m_buffer);
    gl.BufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size_bytes()), vertices.data(), usage);
}

void CGlSceneBuffer::Bind(const GlApi& gl) const
{
    gl.BindVertexArray(m_vao);
}

void CGlSceneBuffer::DrawStrip(const GlApi& gl, int first, int count) const
{
    if (count >= 3)
        gl.DrawArrays(GL_TRIANGLE_STRIP, first, count);
}

void CGlSceneBuffer::Release(const GlApi& gl)
{
    if (m_vao) {
        gl.DeleteVertexArrays(1, &m_vao);
        gl.DeleteBuffers(1, &m_buffer);
    }
    m_vao = m_buffer = 0;
}

} // namespace qb
