#include "colour/ColourSwatch.h"

namespace qb {
namespace {

constexpr Colour kFocusColour = 0x000000;

// Four bands of `width` pixels inside the rectangle's edges; the right and
// bottom bands are painted after the left and top ones and so take the corners.
void DrawFrame(IDrawContext& dc, const DrawRect& r, int width, Colour topLeft, Colour bottomRight)
{
    dc.FillRect({r.left, r.top, r.right, r.top + width}, topLeft);
    dc.FillRect({r.left, r.top, r.left + width, r.bottom}, topLeft);
    dc.FillRect({r.right - width, r.top, r.right, r.bottom}, bottomRight);
    dc.FillRect({r.left, r.bottom - width, r.right, r.bottom}, bottomRight);
}

} // namespace

void DrawSwatch(IDrawContext& dc, const DrawRect& rect, Colour fill, bool focused)
{
    dc.FillRect(rect, fill);
    DrawFrame(dc, rect, kSwatchEdgeWidth, kSwatchLightEdge, kSwatchShadowEdge);
    if (focused)
        DrawFrame(dc, rect, 1, kFocusColour, kFocusColour);
}

} // namespace qb
