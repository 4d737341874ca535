#pragma once
#include "shell/print/PlanPage.h"

class QPainter;

namespace qb {

// The view's picture painted into `rect` of any painter's device (an
// image, an SVG picture): white, the frame when asked, then the engine's
// drawing with the names in the source's fonts.
void PaintPlanPicture(QPainter& painter, const PlanSource& source, const DrawRect& rect, PictureFrame frame);

// The view's picture painted on a printer page whose printable rectangle
// is `page` in the painter's device pixels: inside the margins, the label
// fonts scaled for the device's vertical resolution. Returns the drawing
// rectangle (empty when the margins leave no room; then nothing is drawn).
DrawRect PaintPlanPage(QPainter& painter, const PlanSource& source, const DrawRect& page,
                       const MarginRect& margins);

} // namespace qb
