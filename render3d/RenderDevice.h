#pragma once
#include "render3d/RenderFrame.h"

#include <span>

namespace qb {

// The graphics device the renderer drives. The mesh is handed over once per
// build; a frame only draws what the device holds.
class IRenderDevice {
public:
    virtual ~IRenderDevice() = default;
    // Replaces the held mesh by `mesh`'s blocks and walls; nullptr drops it.
    virtual void SetMesh(const TerrainMesh* mesh) = 0;
    // Replaces the label pictures (LabelShape::bitmap indexes them).
    virtual void SetLabelBitmaps(std::span<const LabelBitmap> bitmaps) = 0;
    // Draws one frame into the current target; clears it to navy first.
    virtual void Draw(const RenderFrame& frame) = 0;
};

} // namespace qb
