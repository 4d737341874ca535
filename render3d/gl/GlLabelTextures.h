#pragma once
#include "render3d/gl/GlApi.h"
#include "render3d/RenderFrame.h"

#include <span>
#include <vector>

namespace qb {

// One texture per label picture, sampled as a fixed-function pipeline's
// default sampler does: the nearest texel.
class CGlLabelTextures {
public:
    void Upload(const GlApi& gl, std::span<const LabelBitmap> bitmaps);
    // Binds texture `index` to unit 0; false when there is no such texture.
    bool Bind(const GlApi& gl, int index) const;
    void Release(const GlApi& gl);

private:
    std::vector<GLuint> m_textures;
};

} // namespace qb
