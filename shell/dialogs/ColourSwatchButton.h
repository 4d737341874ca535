#pragma once
#include "platform/DrawContext.h"

#include <QAbstractButton>

namespace qb {

// A button shown as a raised colour swatch; a black rectangle along its
// edge marks the keyboard focus. The owner sets its fill (grey while the
// swatch's group is disabled) and opens the colour picker on a click.
class CColourSwatchButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit CColourSwatchButton(QWidget* parent);

    Colour Fill() const { return m_fill; }
    void SetFill(Colour fill);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour m_fill = 0;
};

} // namespace qb
