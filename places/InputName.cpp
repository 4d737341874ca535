#include "places/InputName.h"

#include "platform/NumberText.h"
#include "platform/Cp932.h"
#include "platform/MessageSink.h"
#include "terrain/NoDataMask.h"

namespace qb {
namespace {

// The kind codes of the choices without levels: fall, pond, structure, pass, others.
constexpr int kFirstLevellessChoice = 3;
constexpr int kFirstLevellessCode = 9;

} // namespace

void CInputName::SetPoint(std::optional<double> height, int eastMetres, int southMetres)
{
    m_strHeight = height ? FormatFixed(*height, 1, 6) + "m" : std::string(kNoDataText);
    m_strX = FormatInt(eastMetres, 6, false) + "m";
    m_strY = FormatInt(southMetres, 6, false) + "m";
}

int CInputName::KindFromChoice(int level, int kind)
{
    if (kind < 0 || kind >= kKindChoices)
        return 0;
    if (kind >= kFirstLevellessChoice)
        return kFirstLevellessCode + kind - kFirstLevellessChoice;
    if (level < 0 || level >= kLevelChoices)
        return 0;
    return kind * kLevelChoices + level;
}

bool CInputName::ChoiceFromKind(int code, int& level, int& kind)
{
    if (code < 0 || code >= kFirstLevellessCode + kKindChoices - kFirstLevellessChoice)
        return false;
    if (code >= kFirstLevellessCode) {
        kind = code - kFirstLevellessCode + kFirstLevellessChoice;
        level = 0;
    } else {
        kind = code / kLevelChoices;
        level = code % kLevelChoices;
    }
    return true;
}

bool CInputName::AreLevelsEnabledFor(int kind)
{
    return kind >= 0 && kind < kFirstLevellessChoice;
}

bool CInputName::Accept(std::string_view name, int level, int kind, IMessageSink& messages)
{
    if (name.empty()) {
        messages.ShowMessage(kNoPlaceNameMessage, MessageIcon::Exclamation);
        return false;
    }
    m_strName = TruncateUtf8ToCp932Bytes(name, kNameBytes);
    m_nLevel = level;
    m_nKind = kind;
    return true;
}

} // namespace qb
