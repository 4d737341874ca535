#pragma once
#include "platform/DrawContext.h"
#include "print/MarginSettings.h"

namespace qb {

// The rectangle a printed view draws into: the page's printable rectangle
// (device pixels) less the margins, each converted from 1/1440 inch with
// the printer's resolution and rounded to the nearest pixel.
DrawRect GetMarginRect(const IDrawContext& printer, const DrawRect& page, const MarginRect& margins);

} // namespace qb
