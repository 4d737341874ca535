// Help: the page of the command or window at hand.
#include "shell/MainFrame.h"

#include "app/CommandIds.h"
#include "app/HelpTopics.h"
#include "shell/ChildFrame.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace qb {
namespace {

// The command of an action: its id, or the recent-file list's for the file entries.
int CommandOf(const QAction* action)
{
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : cmd::kRecentFile;
}

bool IsInsideChildFrame(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const CChildFrame*>(widget))
            return true;
    }
    return false;
}

} // namespace

int CMainFrame::CurrentHelpContext() const
{
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const QAction* action = menu->activeAction())
            return HelpContextOfCommand(CommandOf(action));
    }
    if (m_pMdi->activeSubWindow())
        return HelpContextOfFrame(cmd::kMenu2D);
    return HelpContextOfFrame(cmd::kMenuNoDocument);
}

int CMainFrame::HelpContextAt(QWidget* widget, const QPoint& globalPos) const
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        const QAction* action = menu->actionAt(menu->mapFromGlobal(globalPos));
        return action && !action->isSeparator() ? HelpContextOfCommand(CommandOf(action)) : -1;
    }
    // The menu bar opens its menu so that an item can be picked.
    if (qobject_cast<QMenuBar*>(widget))
        return -1;
    if (auto* button = qobject_cast<QToolButton*>(widget); button && button->defaultAction())
        return HelpContextOfCommand(CommandOf(button->defaultAction()));
    return HelpContextOfFrame(IsInsideChildFrame(widget) ? cmd::kMenu2D : cmd::kMenuNoDocument);
}

} // namespace qb
