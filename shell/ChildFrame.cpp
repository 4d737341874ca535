#include "shell/ChildFrame.h"

#include "shell/MainFrame.h"
#include "shell/View2DView.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPointer>
#include <QTimer>

namespace qb {

CChildFrame::CChildFrame(CMainFrame& mainFrame, CView2DView* view) : m_mainFrame(mainFrame), m_pView(view)
{
    setWidget(view);
    setWindowIcon(QIcon(QStringLiteral(":/icons/view/131.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
}

CTessimDoc* CChildFrame::Document() const
{
    return m_pView ? m_pView->Document() : nullptr;
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
    if (m_bDismissed || !Document()) {
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
