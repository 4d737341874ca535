#pragma once
#include <GL/glcorearb.h>

#include <functional>

namespace qb {

// Finds an OpenGL entry point of the current context by name: Qt's
// QOpenGLContext::getProcAddress in a window, eglGetProcAddress offscreen.
using GlResolver = std::function<void (*(const char* name))()>;

// The OpenGL 3.3 core functions the renderer calls, loaded once per context
// so that one drawing code serves the window and the command line.
#define QB_GL_FUNCTIONS(X)                                                                         \
    X(PFNGLACTIVETEXTUREPROC, ActiveTexture)                                                       \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                         \
    X(PFNGLBINDATTRIBLOCATIONPROC, BindAttribLocation)                                             \
    X(PFNGLBINDBUFFERPROC, BindBuffer)                                                             \
    X(PFNGLBINDFRAMEBUFFERPROC, BindFramebuffer)                                                   \
    X(PFNGLBINDRENDERBUFFERPROC, BindRenderbuffer)                                                 \
    X(PFNGLBINDTEXTUREPROC, BindTexture)                                                           \
    X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray)                                                   \
    X(PFNGLBUFFERDATAPROC, BufferData)                                                             \
    X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, CheckFramebufferStatus)                                     \
    X(PFNGLCLEARPROC, Clear)                                                                       \
    X(PFNGLCLEARCOLORPROC, ClearColor)                                                             \
    X(PFNGLCLEARDEPTHPROC, ClearDepth)                                                             \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                       \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                       \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                         \
    X(PFNGLDELETEBUFFERSPROC, DeleteBuffers)                                                       \
    X(PFNGLDELETEFRAMEBUFFERSPROC, DeleteFramebuffers)                                             \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                                       \
    X(PFNGLDELETERENDERBUFFERSPROC, DeleteRenderbuffers)                                           \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                                         \
    X(PFNGLDELETETEXTURESPROC, DeleteTextures)                                                     \
    X(PFNGLDELETEVERTEXARRAYSPROC, DeleteVertexArrays)                                             \
    X(PFNGLDEPTHFUNCPROC, DepthFunc)                                                               \
    X(PFNGLDISABLEPROC, Disable)                                                                   \
    X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, DisableVertexAttribArray)                                 \
    X(PFNGLDRAWARRAYSPROC, DrawArrays)                                                             \
    X(PFNGLDRAWELEMENTSPROC, DrawElements)                                                         \
    X(PFNGLENABLEPROC, Enable)                                                                     \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)                                   \
    X(PFNGLFINISHPROC, Finish)                                                                     \
    X(PFNGLFRAMEBUFFERRENDERBUFFERPROC, FramebufferRenderbuffer)                                   \
    X(PFNGLGENBUFFERSPROC, GenBuffers)                                                             \
    X(PFNGLGENFRAMEBUFFERSPROC, GenFramebuffers)                                                   \
    X(PFNGLGENRENDERBUFFERSPROC, GenRenderbuffers)                                                 \
    X(PFNGLGENTEXTURESPROC, GenTextures)                                                           \
    X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays)                                                   \
    X(PFNGLGETERRORPROC, GetError)                                                                 \
    X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog)                                               \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                         \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                                                 \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                           \
    X(PFNGLGETSTRINGPROC, GetString)                                                               \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                                             \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                           \
    X(PFNGLPIXELSTOREIPROC, PixelStorei)                                                           \
    X(PFNGLREADPIXELSPROC, ReadPixels)                                                             \
    X(PFNGLRENDERBUFFERSTORAGEPROC, RenderbufferStorage)                                           \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                         \
    X(PFNGLTEXIMAGE2DPROC, TexImage2D)                                                             \
    X(PFNGLTEXPARAMETERIPROC, TexParameteri)                                                       \
    X(PFNGLUNIFORM1FPROC, Uniform1f)                                                               \
    X(PFNGLUNIFORM1IPROC, Uniform1i)                                                               \
    X(PFNGLUNIFORM3FPROC, Uniform3f)                                                               \
    X(PFNGLUNIFORMMATRIX4FVPROC, UniformMatrix4fv)                                                 \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                             \
    X(PFNGLVERTEXATTRIB4FPROC, VertexAttrib4f)                                                     \
    X(PFNGLVERTEXATTRIBIPOINTERPROC, VertexAttribIPointer)                                         \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                                           \
    X(PFNGLVIEWPORTPROC, Viewport)

struct GlApi {
#define QB_GL_MEMBER(type, name) type name = nullptr;
    QB_GL_FUNCTIONS(QB_GL_MEMBER)
#undef QB_GL_MEMBER

    // Loads every function; false, with the first missing name in
    // `missing`, when the context lacks one.
    bool Load(const GlResolver& resolve, const char** missing = nullptr);
};

} // namespace qb
