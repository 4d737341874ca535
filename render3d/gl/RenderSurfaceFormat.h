#pragma once

namespace qb {

// Asks every OpenGL surface of the program for OpenGL 3.3 core with a
// 24-bit depth buffer, and lets contexts share their objects (the web map
// and the rendering view live in one process). Call before the application
// object is made.
void UseRenderSurfaceFormat();

} // namespace qb
