#include "views/HeightScaleLogic.h"

#include "platform/NumberText.h"

namespace qb {
namespace {

constexpr double kFixedFactors[kFreeHeightScale] = {0.5, 1.0, 1.5, 2.0};

bool IsChoice(int index)
{
    return index >= 0 && index <= kFreeHeightScale;
}

} // namespace

CHightTimeLogic::CHightTimeLogic(IMessageSink& messages, int index, double factor)
    : m_messages(messages), m_nChoice(IsChoice(index) ? index : 1), m_strText(FormatGeneral(factor)),
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
    const std::optional<double> value = ParseWholeNumber(m_strText);
    if (!value)
        return Refuse(kNotANumberMessage);
    if (!(*value >= kMinFreeHeightScale && *value <= kMaxFreeHeightScale))
        return Refuse(NumberRangeMessage(kMinFreeHeightScale, kMaxFreeHeightScale));
    m_dFactor = *value;
    return true;
}

} // namespace qb
