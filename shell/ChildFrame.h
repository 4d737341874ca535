#pragma once
#include <QMdiSubWindow>

namespace qb {

class CMainFrame;
class CTessimDoc;
class CView2DView;

// The frame of one view inside the main window. Activating it makes its view
// the main frame's view of that kind; closing the last view of a document
// closes the document, after its save question.
class CChildFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CMainFrame& mainFrame, CView2DView* view);

    CView2DView* View() const { return m_pView; }
    CTessimDoc* Document() const;
    // Closes the frame without asking the document anything.
    void Dismiss();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMainFrame& m_mainFrame;
    CView2DView* m_pView;
    bool m_bDismissed = false;
};

} // namespace qb
