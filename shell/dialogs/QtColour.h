#pragma once
#include "platform/DrawContext.h"

#include <QColor>

namespace qb {

// A colour of the core (0x00BBGGRR) as a QColor, and back.
inline QColor QColorOf(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline Colour ColourOf(const QColor& colour)
{
    return Rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace qb
