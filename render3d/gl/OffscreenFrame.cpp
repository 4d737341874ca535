#include "render3d/gl/OffscreenFrame.h"

#include "render3d/gl/EglOffscreen.h"
#include "render3d/gl/GlRenderDevice.h"

namespace qb {

std::vector<std::uint32_t> DrawFrameOffscreen(const TerrainMesh& mesh, std::span<const LabelBitmap> bitmaps,
                                              const RenderFrame& frame, std::string& error)
{
    CEglOffscreen target;
    CGlRenderDevice device;
    if (!target.Open(frame.width, frame.height, error) || !device.Attach(CEglOffscreen::Resolver(), error))
        return {};
    device.SetMesh(&mesh);
    device.SetLabelBitmaps(bitmaps);
    device.Draw(frame);
    std::vector<std::uint32_t> pixels = target.ReadPixels();
    device.Detach();
    return pixels;
}

} // namespace qb
