#include "shell/ContextHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace qb {

CContextHelpMode::CContextHelpMode(ContextAt contextAt, std::function<void(int)> showHelp, QObject* parent)
    : QObject(parent), m_contextAt(std::move(contextAt)), m_showHelp(std::move(showHelp))
{
}

CContextHelpMode::~CContextHelpMode()
{
    End();
    StopWatching();
}

void CContextHelpMode::Begin()
{
    if (m_bActive)
        return;
    m_bActive = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void CContextHelpMode::End()
{
    if (!m_bActive)
        return;
    m_bActive = false;
    QApplication::restoreOverrideCursor();
    if (!m_bSwallowRelease)
        StopWatching();
}

void CContextHelpMode::StopWatching()
{
    m_bSwallowRelease = false;
    qApp->removeEventFilter(this);
}

bool CContextHelpMode::eventFilter(QObject* watched, QEvent* event)
{
    if (m_bSwallowRelease) {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        // A menu would run its item on this release: close it instead.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        StopWatching();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        End();
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const int context = m_contextAt(widget, at);
    if (context < 0)
        return false;
    m_bSwallowRelease = true;
    End();
    m_showHelp(context);
    // The click asked for help; it must not also run the command.
    return true;
}

} // namespace qb
