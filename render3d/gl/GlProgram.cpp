#include "render3d/gl/GlProgram.h"

#include "render3d/gl/GlShaderSource.h"

#include <algorithm>
#include <vector>

namespace qb {
namespace {

// The info log of a shader or a program, read by their pair of functions.
template <typename GetParameter, typename GetLog>
std::string InfoLog(GLuint object, GetParameter getParameter, GetLog getLog)
{
    GLint size = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &size);
    std::vector<char> log(std::size_t(std::max(size, 1)));
    getLog(object, std::max(size, 1), nullptr, log.data());
    return log.data();
}

// A compiled shader, or 0 with the compiler's log in `error`.
GLuint Compile(const GlApi& gl, GLenum kind, const char* source, std::string& error)
{
    const GLuint shader = gl.CreateShader(kind);
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE)
        return shader;
    error = "the shader does not compile: " + InfoLog(shader, gl.GetShaderiv, gl.GetShaderInfoLog);
    gl.DeleteShader(shader);
    return 0;
}

} // namespace

bool CGlProgram::Build(const GlApi& gl, std::string& error)
{
    const GLuint vertex = Compile(gl, GL_VERTEX_SHADER, kGlVertexShader, error);
    const GLuint fragment = vertex ? Compile(gl, GL_FRAGMENT_SHADER, kGlFragmentShader, error) : 0;
    if (!fragment) {
        gl.DeleteShader(vertex);
        return false;
    }
    m_program = gl.CreateProgram();
    gl.AttachShader(m_program, vertex);
    gl.AttachShader(m_program, fragment);
    gl.LinkProgram(m_program);
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(m_program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        error = "the shader program does not link: " + InfoLog(m_program, gl.GetProgramiv, gl.GetProgramInfoLog);
        Release(gl);
        return false;
    }
    FindUniforms(gl);
    return true;
}

void CGlProgram::FindUniforms(const GlApi& gl)
{
    const auto at = [&](const char* name) { return gl.GetUniformLocation(m_program, name); };
    m_uniforms = Uniforms{at("uClip"),     at("uToLight"), at("uEmissive"), at("uTerrain"),
                          at("uFirstCol"), at("uFirstRow"), at("uCols"),    at("uColStep"),
                          at("uRowStep"),  at("uTextured"), at("uTexture")};
}

void CGlProgram::Release(const GlApi& gl)
{
    if (m_program)
        gl.DeleteProgram(m_program);
    m_program = 0;
    m_uniforms = Uniforms{};
}

} // namespace qb
