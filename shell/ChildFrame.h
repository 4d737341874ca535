#pragma once
#include <QMdiSubWindow>

namespace qb {

class C3DView;
class CMainFrame;
class CTessimDoc;

// The frame of one view inside the main window. Activating it makes its view
// the main frame's view of that kind; closing the last view of a document
// closes the document, after its save question.
class CChildFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CMainFrame& mainFrame, C3DView* view, const QIcon& icon);

    C3DView* View() const { return m_pView; }
    CTessimDoc* Document() const;
    // The help context of the frame: that of its view's kind.
    int HelpContext() const;
    // Closes the frame without asking the document anything.
    void Dismiss();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMainFrame& m_mainFrame;
    C3DView* m_pView;
    bool m_bDismissed = false;
};

} // namespace qb
