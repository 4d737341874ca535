#pragma once
#include "print/MarginSettings.h"
#include "shell/print/PlanPicture.h"

namespace qb {

// The label fonts for a device: each kind's font with its height scaled by
// ScaleFontHeight (for no device, three times the stored height).
LabelFonts ScaledLabelFonts(const IDrawContext* device, const LabelFonts& fonts);

// The rectangle a printed view draws into on a device of the given
// resolution: the printable `page` (device pixels) less the margins
// (1/1440 inch). Known before a painter is opened on the printer.
DrawRect PageDrawingRect(int dpiX, int dpiY, const DrawRect& page, const MarginRect& margins);

// Whether a drawing rectangle has room for a picture.
inline bool HasRoom(const DrawRect& rect)
{
    return rect.Width() > 0 && rect.Height() > 0;
}

// Draws the view's picture on a printer page: into the printable `page`
// less the margins, with the label fonts scaled for the printer's vertical
// resolution. Nothing is drawn when the margins leave no room. Returns the
// drawing rectangle.
DrawRect DrawPlanPage(IDrawContext& printer, const PlanSource& source, const DrawRect& page,
                      const MarginRect& margins);

} // namespace qb
