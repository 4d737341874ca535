#include "shell/print/PlanPage.h"

#include "print/PrintArea.h"
#include "print/PrintFont.h"

#include <cstddef>

namespace qb {
namespace {

// A device that only reports its resolution, for the margin arithmetic
// before anything is drawn.
class CResolutionOnly final : public IDrawContext {
public:
    CResolutionOnly(int dpiX, int dpiY) : m_nDpiX(dpiX), m_nDpiY(dpiY) {}

    void SelectPen(Colour, int) override {}
    void SelectBrush(Colour) override {}
    void SelectFont(const FontSpec&) override {}
    void SetTextColour(Colour) override {}
    void SetInvert(bool) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetPixel(int, int, Colour) override {}
    void FillRect(const DrawRect&, Colour) override {}
    void Polygon(const std::vector<DrawPoint>&) override {}
    void TextOut(int, int, std::string_view) override {}
    TextExtent MeasureText(std::string_view) override { return {}; }
    int DpiX() const override { return m_nDpiX; }
    int DpiY() const override { return m_nDpiY; }

private:
    int m_nDpiX;
    int m_nDpiY;
};

} // namespace

LabelFonts ScaledLabelFonts(const IDrawContext* device, const LabelFonts& fonts)
{
    LabelFonts scaled;
    for (std::size_t kind = 0; kind < fonts.size(); ++kind)
        scaled[kind] = ScaleFontHeight(device, fonts[kind]);
    return scaled;
}

DrawRect PageDrawingRect(int dpiX, int dpiY, const DrawRect& page, const MarginRect& margins)
{
    return GetMarginRect(CResolutionOnly(dpiX, dpiY), page, margins);
}

DrawRect DrawPlanPage(IDrawContext& printer, const PlanSource& source, const DrawRect& page,
                      const MarginRect& margins)
{
    const DrawRect rect = GetMarginRect(printer, page, margins);
    if (!HasRoom(rect))
        return rect;
    const LabelFonts fonts = ScaledLabelFonts(&printer, source.fonts);
    DrawPlanPicture(printer, WithFonts(source, fonts), rect, PictureFrame::None);
    return rect;
}

} // namespace qb
