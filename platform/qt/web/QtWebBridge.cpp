#include "platform/qt/web/QtWebBridge.h"

namespace qb {

void CQtWebBridge::postMessage(const QString& message)
{
    if (m_handler)
        m_handler(message.toStdString());
}

} // namespace qb
