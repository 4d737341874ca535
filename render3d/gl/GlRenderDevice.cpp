#include "render3d/gl/GlRenderDevice.h"

#include "render3d/gl/GlClipMatrix.h"

#include <cmath>

namespace qb {
namespace {

float Channel(std::uint32_t argb, int shift)
{
    return float((argb >> shift) & 0xFF) / 255.0f;
}

Vec3 TowardsLight(const Vec3& travels)
{
    const float size = std::sqrt(travels[0] * travels[0] + travels[1] * travels[1] + travels[2] * travels[2]);
    if (size == 0)
        return Vec3{};
    return Vec3{-travels[0] / size, -travels[1] / size, -travels[2] / size};
}

} // namespace

bool CGlRenderDevice::Attach(const GlResolver& resolve, std::string& error)
{
    const char* missing = nullptr;
    if (!m_gl.Load(resolve, &missing)) {
        error = std::string("OpenGL 3.3 is not available: ") + missing + " is missing";
        return false;
    }
    if (!m_program.Build(m_gl, error))
        return false;
    m_meshStale = m_bitmapsStale = true;
    return true;
}

void CGlRenderDevice::Detach()
{
    if (!Attached())
        return;
    m_terrain.Release(m_gl);
    m_walls.Release(m_gl);
    m_labels.Release(m_gl);
    m_textures.Release(m_gl);
    m_program.Release(m_gl);
}

void CGlRenderDevice::SetMesh(const TerrainMesh* mesh)
{
    m_mesh = mesh;
    m_meshStale = true;
}

void CGlRenderDevice::SetLabelBitmaps(std::span<const LabelBitmap> bitmaps)
{
    m_bitmaps.assign(bitmaps.begin(), bitmaps.end());
    m_bitmapsStale = true;
}

void CGlRenderDevice::Upload()
{
    if (m_meshStale) {
        m_terrain.Release(m_gl);
        std::vector<SceneVertex> walls;
        m_wallStarts.assign(1, 0);
        if (m_mesh) {
            m_terrain.Upload(m_gl, *m_mesh);
            for (const std::vector<SceneVertex>& wall : m_mesh->walls) {
                walls.insert(walls.end(), wall.begin(), wall.end());
                m_wallStarts.push_back(int(walls.size()));
            }
        }
        m_walls.Fill(m_gl, walls, GL_STATIC_DRAW);
        m_meshStale = false;
    }
    if (m_bitmapsStale) {
        m_textures.Upload(m_gl, m_bitmaps);
        m_bitmapsStale = false;
    }
}

void CGlRenderDevice::BeginFrame(const RenderFrame& frame) const
{
    m_gl.Viewport(0, 0, frame.width, frame.height);
    m_gl.ClearColor(Channel(kClearColour, 16), Channel(kClearColour, 8), Channel(kClearColour, 0),
                    Channel(kClearColour, 24));
    m_gl.ClearDepth(1.0);
    m_gl.Enable(GL_DEPTH_TEST);
    m_gl.DepthFunc(GL_LEQUAL);
    m_gl.Disable(GL_CULL_FACE);
    m_gl.Disable(GL_BLEND);
    m_gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CGlRenderDevice::SetFrameUniforms(const RenderFrame& frame) const
{
    const CGlProgram::Uniforms& u = m_program.Locations();
    m_program.Use(m_gl);
    const Matrix4 clip = GlClipMatrix(frame.view, frame.projection);
    m_gl.UniformMatrix4fv(u.clip, 1, GL_FALSE, clip.data());
    const Vec3 toLight = TowardsLight(frame.lightDirection);
    m_gl.Uniform3f(u.toLight, toLight[0], toLight[1], toLight[2]);
    m_gl.Uniform1f(u.emissive, kMaterialEmissive);
    m_gl.Uniform1i(u.terrain, 0);
    m_gl.Uniform1i(u.textured, 0);
    m_gl.Uniform1i(u.texture, 0);
}

void CGlRenderDevice::Draw(const RenderFrame& frame)
{
    if (!Attached())
        return;
    Upload();
    BeginFrame(frame);
    if (!m_mesh || m_mesh->Empty())
        return;
    SetFrameUniforms(frame);
    m_terrain.Draw(m_gl, m_program.Locations(), std::max(1, frame.detail));
    DrawWalls();
    DrawLabels(frame.labels);
    m_gl.BindVertexArray(0);
}

void CGlRenderDevice::DrawTerrainOnly(const RenderFrame& frame)
{
    if (!Attached())
        return;
    Upload();
    SetFrameUniforms(frame);
    m_terrain.Draw(m_gl, m_program.Locations(), std::max(1, frame.detail));
}

void CGlRenderDevice::DrawWalls() const
{
    m_walls.Bind(m_gl);
    for (std::size_t i = 0; i + 1 < m_wallStarts.size(); ++i)
        m_walls.DrawStrip(m_gl, m_wallStarts[i], m_wallStarts[i + 1] - m_wallStarts[i]);
}

void CGlRenderDevice::DrawLabels(std::span<const LabelShape> labels)
{
    if (labels.empty())
        return;
    std::vector<SceneVertex> vertices;
    vertices.reserve(labels.size() * 12);
    for (const LabelShape& label : labels) {
        vertices.insert(vertices.end(), label.pole.begin(), label.pole.end());
        vertices.insert(vertices.end(), label.quad.begin(), label.quad.end());
    }
    m_labels.Fill(m_gl, vertices, GL_STREAM_DRAW);
    m_labels.Bind(m_gl);
    const GLint textured = m_program.Locations().textured;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int first = int(i) * 12;
        m_labels.DrawStrip(m_gl, first, 8);
        const bool hasTexture = m_textures.Bind(m_gl, labels[i].bitmap);
        m_gl.Uniform1i(textured, hasTexture ? 1 : 0);
        m_labels.DrawStrip(m_gl, first + 8, 4);
        m_gl.Uniform1i(textured, 0);
    }
}

} // namespace qb
