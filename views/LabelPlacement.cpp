#include "views/LabelPlacement.h"

#include "places/NameText.h"
#include "places/PlaceRecord.h"

#include <algorithm>

namespace qb {
namespace {

// Offsets of the map-view style's first position from the anchor.
constexpr int kMapViewOffsetX = 10;
constexpr int kMapViewOffsetY = 20;

DrawRect RectAt(int x, int y, int width, int height)
{
    return DrawRect{x, y, x + width, y + height};
}

// The label's x at vertical position y on the diagonal through the anchor:
// one pixel right for every two pixels up (C division, toward zero).
int DiagonalX(int y, int anchorX, int anchorY)
{
    return (y - anchorY - 2 * anchorX) / -2;
}

bool Intersect(const DrawRect& a, const DrawRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The end of the leader line: the corner of the label's left edge nearer the anchor.
DrawPoint LeaderEnd(const DrawRect& label, int anchorY)
{
    return DrawPoint{label.left, label.bottom <= anchorY ? label.bottom : label.top};
}

} // namespace

FontSpec FontSpecOf(const LabelFont& font)
{
    return FontSpec{font.faceName, font.height, font.weight, font.italic != 0, font.underline != 0,
                    font.strikeOut != 0};
}

CLabelPlacement::CLabelPlacement(const Fonts& fonts)
    : m_fonts(fonts)
{
}

void CLabelPlacement::Reset(const DrawRect& visibleArea)
{
    m_visible = visibleArea;
    m_placed.clear();
}

bool CLabelPlacement::Place(IDrawContext& dc, int anchorX, int anchorY, const PlaceRecord& record,
                            LabelStyle style)
{
    if (!IsPlaceKind(record.kind))
        return false;
    const LabelFont& font = m_fonts[static_cast<std::size_t>(record.kind)];
    dc.SelectFont(FontSpecOf(font));
    const std::string text = Utf8FromPlaceName(record.Name());
    const TextExtent metrics = dc.MeasureText(text);
    // The name's length in code page 932 bytes: a full-width character
    // counts twice the average width.
    const int width = metrics.averageCharWidth * static_cast<int>(record.Name().size());
    const DrawRect rect = FindPlace(anchorX, anchorY, width, metrics.height, style);
    if (!IsInside(rect) || Overlaps(rect))
        return false;
    dc.SetTextColour(font.colour);
    dc.TextOut(rect.left, rect.top, text);
    const DrawPoint end = LeaderEnd(rect, anchorY);
    dc.SelectPen(font.colour);
    dc.MoveTo(anchorX, anchorY);
    dc.LineTo(end.x, end.y);
    m_placed.push_back(rect);
    return true;
}

DrawRect CLabelPlacement::FindPlace(int anchorX, int anchorY, int width, int height, LabelStyle style) const
{
    const DrawRect first = style == LabelStyle::MapView
        ? RectAt(anchorX + kMapViewOffsetX, anchorY - kMapViewOffsetY - height, width, height)
        : RectAt(anchorX, anchorY - height, width, height);
    DrawRect rect = first;
    for (int y = first.top; Overlaps(rect) && y > m_visible.top + height;) {
        --y;
        rect = RectAt(DiagonalX(y, anchorX, anchorY), y, width, height);
    }
    if (!Overlaps(rect))
        return rect;
    rect = first;
    for (int y = first.top; Overlaps(rect) && y < m_visible.bottom;) {
        ++y;
        rect = RectAt(DiagonalX(y, anchorX, anchorY), y, width, height);
    }
    return rect;
}

bool CLabelPlacement::Overlaps(const DrawRect& rect) const
{
    return std::any_of(m_placed.begin(), m_placed.end(),
                       [&rect](const DrawRect& placed) { return Intersect(rect, placed); });
}

bool CLabelPlacement::IsInside(const DrawRect& rect) const
{
    return rect.left >= m_visible.left && rect.top >= m_visible.top && rect.right <= m_visible.right &&
           rect.bottom <= m_visible.bottom;
}

} // namespace qb
