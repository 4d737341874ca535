#pragma once
#include "platform/DrawContext.h"

namespace qb {

// The fill of a swatch whose group is disabled.
inline constexpr Colour kDisabledSwatchColour = 0xC0C0C0;
inline constexpr Colour kSwatchLightEdge = 0xFFFFFF;
inline constexpr Colour kSwatchShadowEdge = 0x808080;
inline constexpr int kSwatchEdgeWidth = 2;

// Paints a colour swatch: filled with `fill`, raised by a 2-pixel frame
// (light on the left and top, shadow on the right and bottom), and, with
// the keyboard focus, a 1-pixel black rectangle along its edge.
void DrawSwatch(IDrawContext& dc, const DrawRect& rect, Colour fill, bool focused);

} // namespace qb
