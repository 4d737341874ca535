#pragma once
#include "platform/DrawContext.h"

#include <vector>

namespace qb::test {

// A drawing context that keeps only rectangle fills, painted into a grid of
// pixels, and reports a chosen resolution: enough to see what a swatch looks
// like and what a printer's resolution does.
class CPixelCanvas final : public IDrawContext {
public:
    CPixelCanvas(int width, int height, int dpiX = 96, int dpiY = 96)
        : m_nWidth(width), m_nHeight(height), m_nDpiX(dpiX), m_nDpiY(dpiY),
          m_pixels(static_cast<std::size_t>(width * height), 0x123456)
    {
    }

    Colour At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y * m_nWidth + x)]; }

    void FillRect(const DrawRect& rect, Colour colour) override
    {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
                    m_pixels[static_cast<std::size_t>(y * m_nWidth + x)] = colour;
    }
    int DpiX() const override { return m_nDpiX; }
    int DpiY() const override { return m_nDpiY; }

    void SelectPen(Colour, int) override {}
    void SelectBrush(Colour) override {}
    void SelectFont(const FontSpec&) override {}
    void SetTextColour(Colour) override {}
    void SetInvert(bool) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetPixel(int x, int y, Colour colour) override { FillRect({x, y, x + 1, y + 1}, colour); }
    void Polygon(const std::vector<DrawPoint>&) override {}
    void TextOut(int, int, std::string_view) override {}
    TextExtent MeasureText(std::string_view) override { return {}; }

private:
    int m_nWidth;
    int m_nHeight;
    int m_nDpiX;
    int m_nDpiY;
    std::vector<Colour> m_pixels;
};

} // namespace qb::test
