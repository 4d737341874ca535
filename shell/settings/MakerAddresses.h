#pragma once
#include <string_view>

namespace qb {

// The maker's addresses shown in the about box.
inline constexpr std::string_view kMakerWebAddress = "https://quarrenby.jp/";
inline constexpr std::string_view kMakerMailAddress = "support@quarrenby.jp";

} // namespace qb
