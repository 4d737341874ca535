#pragma once
#include "render3d/RenderFrame.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qb {

// One frame of `mesh` with its label pictures drawn without a display, into
// a picture of frame.width x frame.height: 0xAARRGGBB, top row first. Empty,
// with the reason in `error`, where OpenGL 3.3 cannot be had.
std::vector<std::uint32_t> DrawFrameOffscreen(const TerrainMesh& mesh, std::span<const LabelBitmap> bitmaps,
                                              const RenderFrame& frame, std::string& error);

} // namespace qb
