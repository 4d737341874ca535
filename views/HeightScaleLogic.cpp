#include "views/HeightScaleLogic.h"

#include <charconv>
#include <optional>

namespace qb {
namespace {

constexpr double kFixedFactors[kFreeHeightScale] = {0.5, 1.0, 1.5, 2.0};
constexpr std::string_view kBlanks = " \t\n\v\f\r";

// Up to 15 significant digits without trailing zeros ("%.15g"), the form a
// dialog shows a double in.
std::string ShortestText(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

// The number that the whole text spells, blanks around it allowed.
std::optional<double> WholeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.starts_with('-'))
            return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string RangeMessage()
{
    std::string text(kHeightScaleRangeMessage);
    text.replace(text.find("%1"), 2, ShortestText(kMinFreeHeightScale));
    return text.replace(text.find("%2"), 2, ShortestText(kMaxFreeHeightScale));
}

bool IsChoice(int index)
{
    return index >= 0 && index <= kFreeHeightScale;
}

} // namespace

CHightTimeLogic::CHightTimeLogic(IMessageSink& messages, int index, double factor)
    : m_messages(messages), m_nChoice(IsChoice(index) ? index : 1), m_strText(ShortestText(factor)),
      m_dFactor(factor)
{
}

void CHightTimeLogic::Choose(int index)
{
    if (IsChoice(index))
        m_nChoice = index;
}

bool CHightTimeLogic::Refuse(std::string_view message)
{
    m_messages.ShowMessage(message, MessageIcon::Exclamation);
    return false;
}

// A fixed choice never reads the edit: it is disabled then, and a stored
// factor out of range must not lock the user out of the fixed choices.
bool CHightTimeLogic::Ok()
{
    if (!IsEditEnabled()) {
        m_dFactor = kFixedFactors[m_nChoice];
        return true;
    }
    const std::optional<double> value = WholeNumber(m_strText);
    if (!value)
        return Refuse(kHeightScaleNotANumberMessage);
    if (!(*value >= kMinFreeHeightScale && *value <= kMaxFreeHeightScale))
        return Refuse(RangeMessage());
    m_dFactor = *value;
    return true;
}

} // namespace qb
