#include "print/PrintArea.h"

#include "print/MarginUnits.h"

namespace qb {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;

// A page coordinate moved by a margin in pixels, kept within 32 bits.
int Offset(int coordinate, std::int32_t margin, int dpi, int direction)
{
    const std::int64_t pixels = MulDivRound(margin, dpi, kTwipsPerInch);
    return SaturateInt32(coordinate + direction * pixels);
}

} // namespace

DrawRect GetMarginRect(const IDrawContext& printer, const DrawRect& page, const MarginRect& margins)
{
    return DrawRect{
        Offset(page.left, margins.left, printer.DpiX(), +1),
        Offset(page.top, margins.top, printer.DpiY(), +1),
        Offset(page.right, margins.right, printer.DpiX(), -1),
        Offset(page.bottom, margins.bottom, printer.DpiY(), -1),
    };
}

} // namespace qb
