#include "render3d/gl/EglOffscreen.h"

// Without X11's headers, whose macros (None, Bool, Status) clash with the rest.
#define EGL_NO_X11
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <algorithm>

namespace qb {
namespace {

EGLDisplay SurfacelessDisplay()
{
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

EGLConfig ChooseConfig(EGLDisplay display)
{
    // No window or pbuffer is made: the context draws into a framebuffer
    // object, so any surface type serves, and none at all where the
    // platform offers contexts without a configuration.
    const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_DONT_CARE, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(display, attributes, &config, 1, &count) || count < 1)
        return EGL_NO_CONFIG_KHR;
    return config;
}

EGLContext CreateCoreContext(EGLDisplay display, EGLConfig config)
{
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                 EGL_NONE};
    return eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
}

} // namespace

CEglOffscreen::~CEglOffscreen()
{
    Close();
}

GlResolver CEglOffscreen::Resolver()
{
    return [](const char* name) { return eglGetProcAddress(name); };
}

bool CEglOffscreen::OpenContext(std::string& error)
{
    EGLDisplay display = SurfacelessDisplay();
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        error = "EGL has no surfaceless platform here";
        return false;
    }
    m_display = display;
    EGLContext context =
        eglBindAPI(EGL_OPENGL_API) ? CreateCoreContext(display, ChooseConfig(display)) : EGL_NO_CONTEXT;
    if (context == EGL_NO_CONTEXT) {
        error = "no OpenGL 3.3 core context could be made";
        return false;
    }
    m_context = context;
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        error = "the OpenGL context cannot be used without a window surface";
        return false;
    }
    return true;
}

bool CEglOffscreen::OpenFramebuffer(std::string& error)
{
    const char* missing = nullptr;
    if (!m_gl.Load(Resolver(), &missing)) {
        error = std::string("OpenGL 3.3 is not available: ") + missing + " is missing";
        return false;
    }
    m_gl.GenFramebuffers(1, &m_framebuffer);
    m_gl.BindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl.GenRenderbuffers(1, &m_colour);
    m_gl.BindRenderbuffer(GL_RENDERBUFFER, m_colour);
    m_gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, m_width, m_height);
    m_gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
    m_gl.GenRenderbuffers(1, &m_depth);
    m_gl.BindRenderbuffer(GL_RENDERBUFFER, m_depth);
    m_gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, m_width, m_height);
    m_gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depth);
    if (m_gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "no framebuffer of " + std::to_string(m_width) + " x " + std::to_string(m_height) +
                " pixels could be made";
        return false;
    }
    return true;
}

bool CEglOffscreen::Open(int width, int height, std::string& error)
{
    Close();
    m_width = width;
    m_height = height;
    if (OpenContext(error) && OpenFramebuffer(error))
        return true;
    Close();
    return false;
}

void CEglOffscreen::MakeCurrent() const
{
    if (!m_context)
        return;
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context);
    m_gl.BindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
}

std::vector<std::uint32_t> CEglOffscreen::ReadPixels() const
{
    std::vector<std::uint32_t> pixels(std::size_t(m_width) * std::size_t(m_height));
    m_gl.BindFramebuffer(GL_FRAMEBUFFER, m_framebuffer);
    m_gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
    m_gl.ReadPixels(0, 0, m_width, m_height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
    // OpenGL's rows run from the bottom up.
    for (int top = 0, bottom = m_height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels.begin() + std::ptrdiff_t(top) * m_width,
                         pixels.begin() + std::ptrdiff_t(top + 1) * m_width,
                         pixels.begin() + std::ptrdiff_t(bottom) * m_width);
    return pixels;
}

void CEglOffscreen::Close()
{
    if (m_framebuffer) {
        m_gl.DeleteFramebuffers(1, &m_framebuffer);
        m_gl.DeleteRenderbuffers(1, &m_colour);
        m_gl.DeleteRenderbuffers(1, &m_depth);
    }
    m_framebuffer = m_colour = m_depth = 0;
    if (m_display) {
        eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (m_context)
            eglDestroyContext(m_display, m_context);
        eglTerminate(m_display);
    }
    m_display = m_context = nullptr;
}

} // namespace qb
