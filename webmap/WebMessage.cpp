#include "webmap/WebMessage.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace qb {

std::vector<std::string> SplitMessageFields(std::string_view message)
{
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (at < message.size()) {
        const std::size_t first = message.find_first_not_of(',', at);
        if (first == std::string_view::npos)
            break;
        const std::size_t end = std::min(message.find(',', first), message.size());
        fields.emplace_back(message.substr(first, end - first));
        at = end;
    }
    return fields;
}

std::optional<std::vector<double>> MessageNumbers(const std::vector<std::string>& fields, std::size_t count)
{
    if (fields.size() < count + 1)
        return std::nullopt;
    std::vector<double> numbers;
    numbers.reserve(count);
    for (std::size_t i = 1; i <= count; ++i) {
        const double value = TextToDouble(fields[i]);
        if (!std::isfinite(value))
            return std::nullopt;
        numbers.push_back(value);
    }
    return numbers;
}

} // namespace qb
