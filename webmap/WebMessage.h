#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The fields of a message from the map page: the text split at commas,
// leading commas skipped and a run of commas counted as one.
std::vector<std::string> SplitMessageFields(std::string_view message);

// The fields after the command read as numbers (text that is no number
// reads as 0): the first `count` of them, or none when the message has fewer
// or one of them is not finite.
std::optional<std::vector<double>> MessageNumbers(const std::vector<std::string>& fields, std::size_t count);

} // namespace qb
