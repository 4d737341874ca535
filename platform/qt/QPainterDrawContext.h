#pragma once
#include "platform/DrawContext.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QPolygon>

class QPainter;

namespace qb {

// The font family asked for when the requested face is not installed or
// lacks a character: a Japanese font delivered with the system's fonts.
inline constexpr const char* kFallbackFontFamily = "Noto Sans CJK JP";

// A QFont for a font as the drawing asks for it: a negative height is the
// character height in device pixels, a positive one the cell height.
QFont FontFromSpec(const FontSpec& spec);

// The pixels of a line from `from` up to, but without, `to`: lines joined end
// to end touch each pixel once.
QPolygon LinePixels(QPoint from, QPoint to);

// The drawing context over a QPainter, so the views draw the same way into a
// QImage, a QPrinter page or a QSvgGenerator picture. The painter must be
// active and outlive this object. Lines are drawn without antialiasing;
// inverted lines (on raster devices) pixel by pixel without their last
// point, so a closed outline drawn twice leaves no trace.
class CQPainterDrawContext final : public IDrawContext {
public:
    explicit CQPainterDrawContext(QPainter& painter);

    void SelectPen(Colour colour, int width = 0) override;
    void SelectBrush(Colour colour) override;
    void SelectFont(const FontSpec& font) override;
    void SetTextColour(Colour colour) override;
    void SetInvert(bool invert) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, Colour colour) override;
    void FillRect(const DrawRect& rect, Colour colour) override;
    void Polygon(const std::vector<DrawPoint>& points) override;
    void TextOut(int x, int y, std::string_view utf8) override;
    TextExtent MeasureText(std::string_view utf8) override;

    int DpiX() const override;
    int DpiY() const override;

private:
    void InvertLine(QPoint from, QPoint to);

    QPainter& m_painter;
    QPen m_pen;
    Colour m_penColour = 0;
    int m_nPenWidth = 0;
    bool m_bPenSelected = false;
    QColor m_textColour;
    QFont m_font;
    QPoint m_current;
    bool m_bInvert = false;
};

} // namespace qb
