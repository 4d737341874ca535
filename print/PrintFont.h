#pragma once
#include "platform/DrawContext.h"
#include "places/LabelFont.h"

namespace qb {

// A label font with its height for a device: with a device of vertical
// resolution r (not 0), −(|height| × r / 96), truncated toward zero, so the
// font is chosen by character height; with no device (or a resolution of
// 0), |height| × 3. The other fields are copied unchanged.
LabelFont ScaleFontHeight(const IDrawContext* device, const LabelFont& font);

} // namespace qb
