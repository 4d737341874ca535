#include "tests/support/RecordingDrawContext.h"

#include <cstdlib>

namespace qb::test {

void CRecordingDrawContext::SelectPen(Colour colour, int width)
{
    m_pen = colour;
    m_penWidth = width;
    pens.push_back(colour);
    penWidths.push_back(width);
}

void CRecordingDrawContext::SelectFont(const FontSpec& font)
{
    m_font = font;
    fonts.push_back(font);
}

void CRecordingDrawContext::SetInvert(bool invert)
{
    m_bInvert = invert;
    inverts.push_back(invert);
}

void CRecordingDrawContext::LineTo(int x, int y)
{
    segments.push_back({m_position, {x, y}, m_pen, m_bInvert, m_penWidth});
    operations.push_back(Op::Line);
    m_position = {x, y};
}

void CRecordingDrawContext::TextOut(int x, int y, std::string_view utf8)
{
    texts.push_back({x, y, std::string(utf8), m_textColour, m_font});
    operations.push_back(Op::Text);
}

TextExtent CRecordingDrawContext::MeasureText(std::string_view utf8)
{
    int characters = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++characters;
    return {characters * kCharWidth, std::abs(m_font.height), kCharWidth};
}

std::vector<CRecordingDrawContext::Segment> CRecordingDrawContext::SegmentsInverted(bool inverted) const
{
    std::vector<Segment> result;
    for (const Segment& s : segments)
        if (s.inverted == inverted)
            result.push_back(s);
    return result;
}

void CRecordingDrawContext::Clear()
{
    pens.clear();
    penWidths.clear();
    operations.clear();
    fonts.clear();
    inverts.clear();
    segments.clear();
    pixels.clear();
    fills.clear();
    texts.clear();
    polygons.clear();
}

} // namespace qb::test
