#include "render3d/ZoomLogic.h"

#include "platform/NumberText.h"
#include "render3d/ViewDialogValues.h"

namespace qb {

CZoomLogic::CZoomLogic(IMessageSink& messages, double distance)
    : m_messages(messages), m_strText(FormatGeneral(distance / kZoomUnitDistance)), m_dDistance(distance)
{
}

bool CZoomLogic::Ok()
{
    const std::optional<double> value = ParseWholeNumber(m_strText);
    if (!value) {
        m_messages.ShowMessage(kNotANumberMessage, MessageIcon::Exclamation);
        return false;
    }
    if (!IsZoomFactorAccepted(*value)) {
        m_messages.ShowMessage(NumberRangeMessage(kMinZoomFactor, kMaxZoomFactor), MessageIcon::Exclamation);
        return false;
    }
    m_dDistance = *value * kZoomUnitDistance;
    return true;
}

} // namespace qb
