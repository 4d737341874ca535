#include "shell/dialogs/ColourSwatchButton.h"

#include "colour/ColourSwatch.h"
#include "platform/qt/QPainterDrawContext.h"

#include <QPainter>

namespace qb {
namespace {

constexpr int kSwatchSide = 24;

} // namespace

CColourSwatchButton::CColourSwatchButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CColourSwatchButton::SetFill(Colour fill)
{
    m_fill = fill;
    update();
}

QSize CColourSwatchButton::sizeHint() const
{
    return {kSwatchSide, kSwatchSide};
}

void CColourSwatchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CQPainterDrawContext dc(painter);
    DrawSwatch(dc, DrawRect{0, 0, width(), height()}, m_fill, hasFocus());
}

} // namespace qb
