#pragma once
#include <QColor>
#include <QPushButton>

namespace qb {

// A button that looks like a link: its caption in Arial 9 pt, underlined,
// word-wrapped on the button-face colour, blue normally and red while the
// button is held down. An ampersand in the caption is shown as it is.
class CLinkButton final : public QPushButton {
    Q_OBJECT
public:
    CLinkButton(const QString& caption, QWidget* parent);

    const QString& Caption() const { return m_strCaption; }

    // The caption's colour: blue, red while pressed.
    static QColor CaptionColour(bool pressed);
    static QFont CaptionFont();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strCaption;
};

} // namespace qb
