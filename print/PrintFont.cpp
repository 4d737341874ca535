#include "print/PrintFont.h"

#include "print/MarginUnits.h"

#include <cstdlib>

namespace qb {
namespace {

constexpr std::int64_t kScreenDpi = 96;
constexpr std::int64_t kNoDeviceScale = 3;

} // namespace

LabelFont ScaleFontHeight(const IDrawContext* device, const LabelFont& font)
{
    LabelFont scaled = font;
    const std::int64_t h = std::llabs(font.height);
    const int r = device != nullptr ? device->DpiY() : 0;
    if (r != 0)
        scaled.height = SaturateInt32(-(h * r / kScreenDpi));
    else
        scaled.height = SaturateInt32(h * kNoDeviceScale);
    return scaled;
}

} // namespace qb
