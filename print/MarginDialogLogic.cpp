#include "print/MarginDialogLogic.h"

#include "platform/NumberText.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr double kCentimetresPerInch = 2.54;

// The number a whole text spells; an infinity or a NaN is no margin.
std::optional<double> ParseNumber(std::string_view text)
{
    const std::optional<double> value = ParseWholeNumber(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

} // namespace

CSetMarginLogic::CSetMarginLogic(IMessageSink& messages, const MarginValues& hundredthsMm, int units)
    : m_messages(messages), m_nUnits(units == kMarginInches ? kMarginInches : kMarginCentimetres)
{
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        m_edits[i].centimetres = hundredthsMm[i] / 1000.0;
        Write(m_edits[i], FormatGeneral(m_edits[i].centimetres / Factor()));
    }
}

double CSetMarginLogic::Factor() const
{
    return m_nUnits == kMarginInches ? kCentimetresPerInch : 1.0;
}

void CSetMarginLogic::Write(Edit& edit, std::string text)
{
    edit.text = text;
    edit.written = std::move(text);
}

void CSetMarginLogic::EditChanged(int side, std::string_view text)
{
    Edit& edit = m_edits[side];
    const bool ownWrite = edit.written && *edit.written == text;
    edit.written.reset();
    edit.text = text;
    if (!ownWrite)
        edit.centimetres = TextToDouble(text) * Factor();
}

void CSetMarginLogic::ChooseUnits(int units)
{
    if (units != kMarginCentimetres && units != kMarginInches)
        return;
    m_nUnits = units;
    for (Edit& edit : m_edits)
        Write(edit, FormatFixed(edit.centimetres / Factor(), 2, 0));
}

bool CSetMarginLogic::Refuse(int side, std::string_view message)
{
    m_messages.ShowMessage(message, MessageIcon::Exclamation);
    m_nFocusSide = side;
    return false;
}

bool CSetMarginLogic::Ok()
{
    for (const MarginEdit& edit : kMarginEdits) {
        const std::optional<double> value = ParseNumber(m_edits[edit.side].text);
        if (!value)
            return Refuse(edit.side, kNotANumberMessage);
        if (!(*value >= 0.0 && *value <= kMaxMarginInUnit))
            return Refuse(edit.side, NumberRangeMessage(0.0, kMaxMarginInUnit));
    }
    return true;
}

MarginValues CSetMarginLogic::Result() const
{
    // Bounded so that a margin typed far out of range can never overflow the conversion.
    constexpr double kLimit = 2.0e9;
    MarginValues values{};
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        const double hundredths = std::trunc(m_edits[i].centimetres * 1000.0 + 0.5);
        values[i] = static_cast<std::int32_t>(std::clamp(hundredths, -kLimit, kLimit));
    }
    return values;
}

} // namespace qb
