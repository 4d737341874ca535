#include "render3d/gl/GlLabelTextures.h"

namespace qb {
namespace {

bool IsWhole(const LabelBitmap& bitmap)
{
    return bitmap.width > 0 && bitmap.height > 0 &&
           bitmap.argb.size() == std::size_t(bitmap.width) * std::size_t(bitmap.height);
}

void Fill(const GlApi& gl, const LabelBitmap& bitmap)
{
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // 0xAARRGGBB words are B, G, R, A bytes in memory; texture row 0 is the
    // picture's top row, which the quad's v = 0 corners show.
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, bitmap.width, bitmap.height, 0, GL_BGRA,
                  GL_UNSIGNED_INT_8_8_8_8_REV, bitmap.argb.data());
}

} // namespace

void CGlLabelTextures::Upload(const GlApi& gl, std::span<const LabelBitmap> bitmaps)
{
    Release(gl);
    m_textures.assign(bitmaps.size(), 0);
    gl.ActiveTexture(GL_TEXTURE0);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        if (!IsWhole(bitmaps[i]))
            continue;
        gl.GenTextures(1, &m_textures[i]);
        gl.BindTexture(GL_TEXTURE_2D, m_textures[i]);
        Fill(gl, bitmaps[i]);
    }
    gl.BindTexture(GL_TEXTURE_2D, 0);
}

bool CGlLabelTextures::Bind(const GlApi& gl, int index) const
{
    if (index < 0 || std::size_t(index) >= m_textures.size() || !m_textures[std::size_t(index)])
        return false;
    gl.ActiveTexture(GL_TEXTURE0);
    gl.BindTexture(GL_TEXTURE_2D, m_textures[std::size_t(index)]);
    return true;
}

void CGlLabelTextures::Release(const GlApi& gl)
{
    for (GLuint texture : m_textures)
        if (texture)
            gl.DeleteTextures(1, &texture);
    m_textures.clear();
}

} // namespace qb
