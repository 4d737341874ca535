#include "render3d/gl/GlShaderSource.h"

namespace qb {

const char* const kGlVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColour;
layout(location = 3) in vec2 aTexCoord;
layout(location = 4) in int aPackedNormal;

uniform mat4 uClip;
uniform vec3 uToLight;
uniform float uEmissive;
uniform bool uTerrain;
uniform int uFirstCol;
uniform int uFirstRow;
uniform int uCols;
uniform float uColStep;
uniform float uRowStep;

out vec4 vColour;
out vec2 vTexCoord;

vec3 UnpackNormal(int bits)
{
    ivec3 n = ivec3(bits << 22, bits << 12, bits << 2) >> 22;
    return vec3(n) / 511.0;
}

vec3 PositionOf()
{
    if (!uTerrain)
        return aPosition;
    int column = uFirstCol + gl_VertexID % uCols;
    int row = uFirstRow + gl_VertexID / uCols;
    return vec3(float(column) * uColStep, float(row) * uRowStep, aPosition.x);
}

void main()
{
    vec3 normal = uTerrain ? UnpackNormal(aPackedNormal) : aNormal;
    float size = length(normal);
    float diffuse = size > 0.0 ? max(0.0, dot(normal / size, uToLight)) : 0.0;
    vColour = vec4(clamp(vec3(uEmissive) + aColour.rgb * diffuse, 0.0, 1.0), aColour.a);
    vTexCoord = aTexCoord;
    gl_Position = uClip * vec4(PositionOf(), 1.0);
}
)";

const char* const kGlFragmentShader = R"(#version 330 core
in vec4 vColour;
in vec2 vTexCoord;

uniform bool uTextured;
uniform sampler2D uTexture;

out vec4 fragColour;

void main()
{
    if (!uTextured) {
        fragColour = vColour;
        return;
    }
    vec4 texel = texture(uTexture, vTexCoord);
    fragColour = vec4(texel.rgb * vColour.rgb, texel.a);
}
)";

} // namespace qb
