#pragma once
#include "render3d/RenderFrame.h"

namespace qb {

// The matrix that takes a model point to OpenGL's clip space for a frame
// whose view and projection are in Direct3D's convention, stored so that
// glUniformMatrix4fv reads it unchanged (column by column): the row-vector
// product view x projection, its depth moved from 0 ... w to -w ... w
// (z' = 2z - w), so that both APIs show the same picture.
Matrix4 GlClipMatrix(const Matrix4& view, const Matrix4& projection);

} // namespace qb
