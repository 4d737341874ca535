#include "print/MarginUnits.h"

#include <algorithm>
#include <limits>

namespace qb {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr std::int64_t kHundredthsMmPerInch = 2540;

} // namespace

std::int32_t SaturateInt32(std::int64_t value)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

std::int32_t MulDivRound(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t product = value * numerator;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t rounded = (magnitude + denominator / 2) / denominator;
    return SaturateInt32(product < 0 ? -rounded : rounded);
}

std::int32_t MarginToHundredthsMm(std::int32_t twips)
{
    return MulDivRound(twips, kHundredthsMmPerInch, kTwipsPerInch);
}

std::int32_t HundredthsMmToMargin(std::int32_t hundredthsMm)
{
    return MulDivRound(hundredthsMm, kTwipsPerInch, kHundredthsMmPerInch);
}

std::int32_t RoundToTenthMm(std::int32_t hundredthsMm)
{
    return MulDivRound(MulDivRound(hundredthsMm, 1, 10), 10, 1);
}

} // namespace qb
