#pragma once
#include "render3d/RenderDevice.h"
#include "render3d/gl/GlApi.h"
#include "render3d/gl/GlLabelTextures.h"
#include "render3d/gl/GlProgram.h"
#include "render3d/gl/GlSceneBuffer.h"
#include "render3d/gl/GlTerrainBuffers.h"

#include <string>
#include <vector>

namespace qb {

// The renderer's device over OpenGL 3.3 core. It draws into whatever
// framebuffer is bound when Draw is called. The mesh and label pictures
// handed over are held (the mesh by pointer: the caller keeps it alive
// while it is set) and uploaded at the next frame, and again after the
// GL objects were released with the context that held them.
class CGlRenderDevice final : public IRenderDevice {
public:
    // Starts drawing in the context current now: loads its functions and
    // builds the shader program; false with a message in `error`.
    bool Attach(const GlResolver& resolve, std::string& error);
    // Deletes every GL object (their context must be current); the mesh and
    // pictures stay held for the next Attach.
    void Detach();
    bool Attached() const { return m_program.Built(); }
    const GlApi& Api() const { return m_gl; }

    void SetMesh(const TerrainMesh* mesh) override;
    void SetLabelBitmaps(std::span<const LabelBitmap> bitmaps) override;
    void Draw(const RenderFrame& frame) override;
    // Only the terrain's triangles of a frame, without clearing, walls or
    // labels: what the rasteriser alone costs, for measuring frames.
    void DrawTerrainOnly(const RenderFrame& frame);

private:
    void Upload();
    void BeginFrame(const RenderFrame& frame) const;
    void SetFrameUniforms(const RenderFrame& frame) const;
    void DrawWalls() const;
    void DrawLabels(std::span<const LabelShape> labels);

    GlApi m_gl;
    CGlProgram m_program;
    CGlTerrainBuffers m_terrain;
    CGlSceneBuffer m_walls, m_labels;
    CGlLabelTextures m_textures;
    const TerrainMesh* m_mesh = nullptr;
    std::vector<LabelBitmap> m_bitmaps;
    std::vector<int> m_wallStarts; // first vertex of each wall, then the end
    bool m_meshStale = false, m_bitmapsStale = false;
};

} // namespace qb
