#include "platform/qt/QPainterDrawContext.h"

#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

QColor ToQColor(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// The device's default when a font asks for no particular height.
constexpr int kDefaultPixelSize = 12;

// A positive height is the cell height (ascent plus descent): the em size
// that gives that cell in the font actually found.
int PixelSizeForCellHeight(QFont font, int cellHeight)
{
    font.setPixelSize(cellHeight);
    const int cell = QFontMetrics(font).height();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / cell)));
}

QFont::Weight WeightOf(int weight)
{
    // 0 asks for the default weight.
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(weight, 100, 900));
}

// The average character width of a device context: the width of the letter
// x, which in a Japanese font is half a full-width character, so that a
// text's byte count times it comes near the text's width. (Japanese fonts
// report an average over all their glyphs, nearly a full width.)
int AverageCharWidth(const QFontMetrics& metrics)
{
    const int x = metrics.horizontalAdvance(QLatin1Char('x'));
    return x > 0 ? x : metrics.averageCharWidth();
}

} // namespace

QPolygon LinePixels(QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    QPolygon pixels;
    pixels.reserve(std::max(dx, -dy));
    int error = dx + dy;
    for (QPoint p = from; p != to;) {
        pixels << p;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    return pixels;
}

QFont FontFromSpec(const FontSpec& spec)
{
    QFont font;
    font.setFamilies({ToQString(spec.faceName), QString::fromLatin1(kFallbackFontFamily)});
    font.setWeight(WeightOf(spec.weight));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    if (spec.height < 0)
        font.setPixelSize(-spec.height);
    else if (spec.height > 0)
        font.setPixelSize(PixelSizeForCellHeight(font, spec.height));
    else
        font.setPixelSize(kDefaultPixelSize);
    return font;
}

CQPainterDrawContext::CQPainterDrawContext(QPainter& painter)
    : m_painter(painter)
    , m_pen(Qt::black, 0)
    , m_textColour(Qt::black)
    , m_font(FontFromSpec(FontSpec{}))
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_pen.setCapStyle(Qt::FlatCap);
    m_pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(m_pen);
    m_painter.setBrush(Qt::white);
}

void CQPainterDrawContext::SelectPen(Colour colour, int width)
{
    // The engines select a pen for every contour segment; handing the painter
    // the pen it already has would cost more than the line itself.
    width = std::max(0, width);
    if (m_bPenSelected && colour == m_penColour && width == m_nPenWidth)
        return;
    m_penColour = colour;
    m_nPenWidth = width;
    m_bPenSelected = true;
    m_pen.setColor(ToQColor(colour));
    m_pen.setWidth(width);
    m_painter.setPen(m_pen);
}

void CQPainterDrawContext::SelectBrush(Colour colour)
{
    m_painter.setBrush(ToQColor(colour));
}

void CQPainterDrawContext::SelectFont(const FontSpec& font)
{
    m_font = FontFromSpec(font);
}

void CQPainterDrawContext::SetTextColour(Colour colour)
{
    m_textColour = ToQColor(colour);
}

void CQPainterDrawContext::SetInvert(bool invert)
{
    m_bInvert = invert;
}

void CQPainterDrawContext::MoveTo(int x, int y)
{
    m_current = QPoint(x, y);
}

void CQPainterDrawContext::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (m_bInvert)
        InvertLine(m_current, to);
    else
        m_painter.drawLine(m_current, to);
    m_current = to;
}

void CQPainterDrawContext::InvertLine(QPoint from, QPoint to)
{
    m_painter.save();
    m_painter.setPen(QPen(Qt::black, 0));
    m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter.drawPoints(LinePixels(from, to));
    m_painter.restore();
}

void CQPainterDrawContext::SetPixel(int x, int y, Colour colour)
{
    m_painter.fillRect(QRect(x, y, 1, 1), ToQColor(colour));
}

void CQPainterDrawContext::FillRect(const DrawRect& rect, Colour colour)
{
    m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void CQPainterDrawContext::Polygon(const std::vector<DrawPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DrawPoint& p : points)
        polygon << QPoint(p.x, p.y);
    m_painter.drawPolygon(polygon);
}

void CQPainterDrawContext::TextOut(int x, int y, std::string_view utf8)
{
    const QFontMetrics metrics(m_font, m_painter.device());
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPoint(x, y + metrics.ascent()), ToQString(utf8));
    m_painter.restore();
}

TextExtent CQPainterDrawContext::MeasureText(std::string_view utf8)
{
    const QFontMetrics metrics(m_font, m_painter.device());
    return TextExtent{metrics.horizontalAdvance(ToQString(utf8)), metrics.height(), AverageCharWidth(metrics)};
}

int CQPainterDrawContext::DpiX() const
{
    return m_painter.device()->logicalDpiX();
}

int CQPainterDrawContext::DpiY() const
{
    return m_painter.device()->logicalDpiY();
}

} // namespace qb
