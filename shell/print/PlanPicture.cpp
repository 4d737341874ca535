#include "shell/print/PlanPicture.h"

#include "views/Viewer2D.h"

namespace qb {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
// The frame runs this far inside the right and bottom edges.
constexpr int kFrameInset = 2;

void DrawFrame(IDrawContext& dc, const DrawRect& rect)
{
    const int right = rect.right - kFrameInset;
    const int bottom = rect.bottom - kFrameInset;
    dc.SelectPen(kBlack);
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(right, rect.top);
    dc.LineTo(right, bottom);
    dc.LineTo(rect.left, bottom);
    dc.LineTo(rect.left, rect.top);
}

} // namespace

PlanSource WithFonts(const PlanSource& source, const LabelFonts& fonts)
{
    return PlanSource{source.viewer, source.names, source.nameCount, fonts, source.screenPlacer};
}

void DrawPlanPicture(IDrawContext& dc, const PlanSource& source, const DrawRect& rect, PictureFrame frame)
{
    dc.FillRect(rect, kWhite);
    if (frame == PictureFrame::Drawn)
        DrawFrame(dc, rect);
    CLabelPlacement labels(source.fonts);
    source.viewer.SetLabelPlacer(&labels);
    source.viewer.SetNames(source.names, source.nameCount);
    source.viewer.Draw(dc, rect);
    source.viewer.SetLabelPlacer(source.screenPlacer);
}

} // namespace qb
