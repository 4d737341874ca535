#pragma once
#include <cstdint>

namespace qb {

// The value, or the nearest 32-bit limit when it lies beyond them.
std::int32_t SaturateInt32(std::int64_t value);

// value × numerator / denominator with a 64-bit product, rounded to the
// nearest integer with halves away from zero; a result beyond 32 bits
// saturates. The denominator must be positive.
std::int32_t MulDivRound(std::int64_t value, std::int64_t numerator, std::int64_t denominator);

// Margins between 1/1440 inch and the dialog's 1/100 mm.
std::int32_t MarginToHundredthsMm(std::int32_t twips);
std::int32_t HundredthsMmToMargin(std::int32_t hundredthsMm);

// The nearest multiple of 10 (0.1 mm), halves away from zero.
std::int32_t RoundToTenthMm(std::int32_t hundredthsMm);

} // namespace qb
