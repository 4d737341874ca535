#pragma once
#include "places/LabelSettings.h"
#include "platform/DrawContext.h"
#include "views/LabelPlacement.h"

namespace qb {

class CViewer2D;
class ILabelPlacer;
struct PlaceRecord;

using LabelFonts = CLabelPlacement::Fonts;

// What a 2-D view hands over to have its picture drawn on another device:
// its engine, the document's place-name records (borrowed; the engine sorts
// them), the label fonts as the screen shows them, and the label placement
// the engine draws the screen with, which it gets back afterwards.
struct PlanSource {
    CViewer2D& viewer;
    PlaceRecord* names = nullptr;
    int nameCount = 0;
    const LabelFonts& fonts = g_LabelFonts;
    ILabelPlacer* screenPlacer = nullptr;
};

// The same view with other label fonts.
PlanSource WithFonts(const PlanSource& source, const LabelFonts& fonts);

// The area of the picture copied to the clipboard.
inline constexpr DrawRect kPictureRect{0, 0, 1600, 1200};

enum class PictureFrame { None, Drawn };

// Draws the view's picture into `rect`: a white background, for a copied
// picture a black frame along its edges (through the rectangle's corners
// less two pixels on the right and at the bottom, and back), then the
// engine's contours or bands with the names labelled in the source's fonts.
// The engine's drawing geometry afterwards describes this picture, so the
// view must paint itself again before the mouse is mapped through it.
void DrawPlanPicture(IDrawContext& dc, const PlanSource& source, const DrawRect& rect, PictureFrame frame);

} // namespace qb
