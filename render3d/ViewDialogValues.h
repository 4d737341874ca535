#pragma once
#include <array>
#include <cstdint>

namespace qb {

// The sample budgets of the fineness dialog's three choices.
inline constexpr std::array<std::int64_t, 3> kResolutionChoices = {4'194'304, 16'777'216, 67'108'864};

// The choice whose budget is exactly `resolution`; the first when none is.
int ResolutionIndex(std::int64_t resolution);
// The budget of a choice; an index out of range is brought to the nearest choice.
std::int64_t ResolutionOfIndex(int index);

// The zoom dialog accepts factors from 0.1 to 10.
inline constexpr double kMinZoomFactor = 0.1, kMaxZoomFactor = 10.0;
bool IsZoomFactorAccepted(double factor);

} // namespace qb
