#pragma once
#include "colour/CustomColours.h"
#include "platform/DrawContext.h"

#include <optional>

class QWidget;

namespace qb {

// Runs the colour picker opened at `initial`; the chosen colour, or none
// when it is cancelled. Qt's own picker is used everywhere, because only it
// offers the custom colours.
std::optional<Colour> PickColour(Colour initial, QWidget* parent);

// The same with the 16 custom colours offered; when the picker ends with OK
// `custom` holds them as the user left them.
std::optional<Colour> PickColour(Colour initial, CustomColours& custom, QWidget* parent);

} // namespace qb
