#include "shell/ChildFrame.h"

#include "shell/3DView.h"
#include "shell/MainFrame.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>

namespace qb {

CChildFrame::CChildFrame(CMainFrame& mainFrame, C3DView* view, const QIcon& icon)
    : m_mainFrame(mainFrame), m_pView(view)
{
    setWidget(view);
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose);
}

CTessimDoc* CChildFrame::Document() const
{
    return m_pView ? m_pView->Document() : nullptr;
}

int CChildFrame::HelpContext() const
{
    return TemplateInfoOf(m_pView->Kind()).HelpContext();
}

void CChildFrame::Dismiss()
{
    m_bDismissed = true;
    if (m_pView)
        m_pView->Detach();
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // Another view still shows the document: only this view goes.
    if (m_bDismissed || !Document() || m_mainFrame.ViewsOf(*Document()).size() > 1) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // This is the document's only view: the document goes with it, unless
    // the user keeps it at the save question. Closing the document dismisses
    // this frame in turn.
    // The question comes after this event, when the frame may be closed again.
    event->ignore();
    QPointer<CChildFrame> self(this);
    CMainFrame* mainFrame = &m_mainFrame;
    QTimer::singleShot(0, mainFrame, [self, mainFrame] {
        if (self)
            mainFrame->CloseDocumentOf(*self);
    });
}

} // namespace qb
