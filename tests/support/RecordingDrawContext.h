#pragma once
#include "platform/DrawContext.h"

#include <string>
#include <vector>

namespace qb::test {

// A drawing context that draws nothing and records every call, for tests.
// MeasureText counts 10 units of width per character (a UTF-8 lead byte or
// an ASCII byte), with the height of the selected font (its absolute value)
// and an average character width of 10.
class CRecordingDrawContext final : public IDrawContext {
public:
    static constexpr int kCharWidth = 10;

    struct Segment {
        DrawPoint from;
        DrawPoint to;
        Colour colour = 0;
        bool inverted = false;
        int width = 0;
    };
    struct Pixel {
        int x = 0;
        int y = 0;
        Colour colour = 0;
    };
    struct Fill {
        DrawRect rect;
        Colour colour = 0;
    };
    struct Text {
        int x = 0;
        int y = 0;
        std::string text;
        Colour colour = 0;
        FontSpec font;
    };
    struct Shape {
        std::vector<DrawPoint> points;
        Colour pen = 0;
        Colour brush = 0;
    };

    // The kinds of drawing call, in the order they came.
    enum class Op { Fill, Polygon, Line, Text };

    void SelectPen(Colour colour, int width = 0) override;
    void SelectBrush(Colour colour) override { m_brush = colour; }
    void SelectFont(const FontSpec& font) override;
    void SetTextColour(Colour colour) override { m_textColour = colour; }
    void SetInvert(bool invert) override;
    void MoveTo(int x, int y) override { m_position = {x, y}; }
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, Colour colour) override { pixels.push_back({x, y, colour}); }
    void FillRect(const DrawRect& rect, Colour colour) override
    {
        fills.push_back({rect, colour});
        operations.push_back(Op::Fill);
    }
    void Polygon(const std::vector<DrawPoint>& points) override
    {
        polygons.push_back({points, m_pen, m_brush});
        operations.push_back(Op::Polygon);
    }
    void TextOut(int x, int y, std::string_view utf8) override;
    TextExtent MeasureText(std::string_view utf8) override;
    int DpiX() const override { return 96; }
    int DpiY() const override { return 96; }

    // The segments drawn with the destination inverted, or without.
    std::vector<Segment> SegmentsInverted(bool inverted) const;
    void Clear();

    std::vector<Colour> pens;        // every pen selected, in order
    std::vector<int> penWidths;      // and its width
    std::vector<Op> operations;      // every fill, polygon, line and text, in order
    std::vector<FontSpec> fonts;     // every font selected, in order
    std::vector<bool> inverts;       // every change of the invert mode, in order
    std::vector<Segment> segments;
    std::vector<Pixel> pixels;
    std::vector<Fill> fills;
    std::vector<Text> texts;
    std::vector<Shape> polygons;

private:
    Colour m_pen = 0;
    int m_penWidth = 0;
    Colour m_brush = 0;
    Colour m_textColour = 0;
    FontSpec m_font;
    bool m_bInvert = false;
    DrawPoint m_position;
};

} // namespace qb::test
