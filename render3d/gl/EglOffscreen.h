#pragma once
#include "render3d/gl/GlApi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qb {

// OpenGL without a display, for the command line: an EGL context of Mesa's
// surfaceless platform (OpenGL 3.3 core) drawing into a framebuffer object
// of the picture's size.
class CEglOffscreen {
public:
    CEglOffscreen() = default;
    CEglOffscreen(const CEglOffscreen&) = delete;
    CEglOffscreen& operator=(const CEglOffscreen&) = delete;
    ~CEglOffscreen();

    // Makes the context current with the framebuffer bound; false with a
    // message naming what is missing.
    bool Open(int width, int height, std::string& error);
    // Makes this context current again with its framebuffer bound, after
    // another context was used.
    void MakeCurrent() const;
    // Entry points of the context, for the device.
    static GlResolver Resolver();
    // The framebuffer's pixels as 0xAARRGGBB, top row first.
    std::vector<std::uint32_t> ReadPixels() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    bool OpenContext(std::string& error);
    bool OpenFramebuffer(std::string& error);
    void Close();

    void* m_display = nullptr;
    void* m_context = nullptr;
    GlApi m_gl;
    GLuint m_framebuffer = 0, m_colour = 0, m_depth = 0;
    int m_width = 0, m_height = 0;
};

} // namespace qb
