#include "shell/3DView.h"

#include "app/TessimDoc.h"
#include "platform/qt/QtText.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"

#include <QFileInfo>

namespace qb {

C3DView::C3DView(CShellApp& shell, CTessimDoc& doc, ViewKind kind, QWidget* parent)
    : QWidget(parent), m_shell(shell), m_pDoc(&doc), m_kind(kind)
{
}

C3DView::~C3DView()
{
    if (CMainFrame* frame = m_shell.MainFrame())
        frame->OnViewDestroyed(this);
}

QString C3DView::Title() const
{
    return m_pDoc ? QFileInfo(QString::fromStdString(m_pDoc->PathName())).fileName() : QString();
}

QString C3DView::Caption() const
{
    return ToQString(TemplateInfoOf(m_kind).caption);
}

void C3DView::UpdateCaption()
{
    if (QWidget* frame = parentWidget())
        frame->setWindowTitle(Caption());
}

void C3DView::StoreMenuPoint(DrawPoint point, Qt::KeyboardModifiers flags)
{
    m_ptMenu = point;
    m_menuFlags = flags;
}

void C3DView::CopyingPicture(const std::function<void()>& job)
{
    m_nPictureCopy = 1;
    job();
    m_nPictureCopy = 0;
}

void C3DView::Printing(QPrinter& printer, const std::function<void()>& job)
{
    m_pPrintInfo = &printer;
    job();
    m_pPrintInfo = nullptr;
}

} // namespace qb
