#pragma once
#include "places/LabelFont.h"

#include <QFont>

namespace qb {

// The QFont a label of this font is drawn with on the screen.
QFont QFontOfLabel(const LabelFont& font);

// What the font chooser opens with: the family actually found for the
// label's face (a face that is not installed would otherwise open the
// chooser on an unrelated family), sized in points for a screen of `dpi`;
// italic only when that family has an italic style.
QFont ChooserFontOf(const LabelFont& font, int dpi);

// The label font of the chooser's choice: face, height (negative, in pixels
// at `dpi`), weight, italic, underline and strike-out from `chosen`, every
// other field and the colour from `base`.
LabelFont LabelFontFromChoice(const LabelFont& base, const QFont& chosen, int dpi);

} // namespace qb
