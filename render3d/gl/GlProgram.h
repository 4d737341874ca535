#pragma once
#include "render3d/gl/GlApi.h"

#include <string>

namespace qb {

// The renderer's one shader program and the places of its uniforms.
class CGlProgram {
public:
    struct Uniforms {
        GLint clip = -1, toLight = -1, emissive = -1, terrain = -1;
        GLint firstCol = -1, firstRow = -1, cols = -1, colStep = -1, rowStep = -1;
        GLint textured = -1, texture = -1;
    };

    // Compiles and links the program in the current context; false with
    // the compiler's or linker's log in `error`.
    bool Build(const GlApi& gl, std::string& error);
    // Deletes the program (the context must be current).
    void Release(const GlApi& gl);
    bool Built() const { return m_program != 0; }
    void Use(const GlApi& gl) const { gl.UseProgram(m_program); }
    const Uniforms& Locations() const { return m_uniforms; }

private:
    void FindUniforms(const GlApi& gl);

    GLuint m_program = 0;
    Uniforms m_uniforms;
};

} // namespace qb
