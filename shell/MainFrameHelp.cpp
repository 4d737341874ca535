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

const CChildFrame* FrameContaining(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const auto* frame = qobject_cast<const CChildFrame*>(widget))
            return frame;
    }
    return nullptr;
}

} // namespace

int CMainFrame::CurrentHelpContext() const
{
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const QAction* action = menu->activeAction())
            return HelpContextOfCommand(CommandOf(action));
    }
    if (const auto* frame = qobject_cast<const CChildFrame*>(m_pMdi->activeSubWindow()))
        return frame->HelpContext();
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
    const CChildFrame* frame = FrameContaining(widget);
    return frame ? frame->HelpContext() : HelpContextOfFrame(cmd::kMenuNoDocument);
}

} // namespace qb
