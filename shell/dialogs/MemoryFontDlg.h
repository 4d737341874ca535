#pragma once
#include "places/LabelFont.h"

#include <QDialog>

class QFontDialog;

namespace qb {

class CColourSwatchButton;

// The map view's label font ("ﾒﾓﾘのﾌｫﾝﾄの設定"): Qt's font chooser inside
// the dialog with the font's colour beneath it, since the chooser itself
// offers no colour. Font() is the choice, every field the chooser does not
// show kept from the font the dialog opened with.
class CMemoryFontDlg final : public QDialog {
    Q_OBJECT
public:
    CMemoryFontDlg(const LabelFont& font, QWidget* parent);

    LabelFont Font() const;
    QFontDialog& Chooser() const { return *m_chooser; }
    CColourSwatchButton& ColourButton() const { return *m_colour; }

private:
    void ChooseColour();

    LabelFont m_base;
    QFontDialog* m_chooser;
    CColourSwatchButton* m_colour;
};

// Runs the dialog; on OK `font` takes the choice and true is returned.
bool RunMemoryFontDialog(LabelFont& font, QWidget* parent);

} // namespace qb
