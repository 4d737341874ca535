#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace qb {

inline constexpr std::string_view kResolutionTitle = "細かさの設定";
inline constexpr std::array<std::string_view, 3> kResolutionTexts = {"荒く描く", "細かく描く", "非常に細かく描く"};
// The rendering view's sample budgets by fineness, coarse to very fine.
inline constexpr std::array<std::int32_t, 3> kResolutionBudgets = {4194304, 16777216, 67108864};
inline constexpr std::int32_t kDefaultResolution = 67108864;

// The fineness whose budget is exactly `resolution`; the coarsest for any other value.
int ResolutionIndexOf(std::int32_t resolution);
// The budget of a fineness; the default one for an index out of range.
std::int32_t ResolutionOfIndex(int index);

} // namespace qb
