#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Colours are 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 | static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct DrawPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DrawPoint&) const = default;
};

// A rectangle of device points; right and bottom are exclusive.
struct DrawRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const DrawRect&) const = default;
};

// A font as the drawing asks for it: the face is requested as written and the
// device falls back to an installed font that has the characters.
struct FontSpec {
    std::string faceName;     // UTF-8
    int height = -12;         // logical units; negative: character height without internal leading
    int weight = 400;         // 0 .. 1000
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
    int averageCharWidth = 0;
};

// The drawing operations the views use, on a screen, an image, a printer page
// or an SVG picture. Coordinates are device points.
class IDrawContext {
public:
    virtual ~IDrawContext() = default;
    // A solid pen; width 0 draws one device pixel wide whatever the scale.
    virtual void SelectPen(Colour colour, int width = 0) = 0;
    virtual void SelectBrush(Colour colour) = 0;
    virtual void SelectFont(const FontSpec& font) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    // While on, lines are drawn by inverting the destination (drawing the same
    // line twice restores what was there).
    virtual void SetInvert(bool invert) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void SetPixel(int x, int y, Colour colour) = 0;
    virtual void FillRect(const DrawRect& rect, Colour colour) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Polygon(const std::vector<DrawPoint>& points) = 0;
    // Text with its top-left corner at (x, y), transparent background.
    virtual void TextOut(int x, int y, std::string_view utf8) = 0;
    virtual TextExtent MeasureText(std::string_view utf8) = 0;

    // Dots per inch of the device (96 for a screen).
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
};

} // namespace qb
