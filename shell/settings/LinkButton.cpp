#include "shell/settings/LinkButton.h"

#include "shell/dialogs/QtColour.h"

#include <QFontMetrics>
#include <QPainter>

namespace qb {
namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr Colour kCaptionColour = 0xFF0000;         // blue
constexpr Colour kPressedCaptionColour = 0x0000FF;  // red

} // namespace

// The caption is kept apart from QPushButton's text, which would turn an
// '&' into a shortcut.
CLinkButton::CLinkButton(const QString& caption, QWidget* parent) : QPushButton(parent), m_strCaption(caption)
{
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
}

QColor CLinkButton::CaptionColour(bool pressed)
{
    return QColorOf(pressed ? kPressedCaptionColour : kCaptionColour);
}

QFont CLinkButton::CaptionFont()
{
    QFont font(QStringLiteral("Arial"), 9);
    font.setUnderline(true);
    return font;
}

QSize CLinkButton::sizeHint() const
{
    const QFontMetrics metrics(CaptionFont());
    return metrics.boundingRect(QRect(0, 0, 240, 1000), kTextFlags, m_strCaption).size() +
           QSize(4, 4);
}

void CLinkButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(CaptionFont());
    painter.setPen(CaptionColour(isDown()));
    painter.drawText(rect(), kTextFlags, m_strCaption);
}

} // namespace qb
