#include "shell/TessimMapHost.h"

#include "app/TessimDoc.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"
#include "views/Viewer3D.h"

namespace qb {

CTessimMapHost::CTessimMapHost(CShellApp& shell, CTessimDoc& doc, CViewer3D& record)
    : CAppMapHost(shell.App()), m_shell(shell), m_pDoc(&doc), m_record(record)
{
}

CMainFrame* CTessimMapHost::Frame() const
{
    return m_shell.MainFrame();
}

const CHeightGrid* CTessimMapHost::Grid() const
{
    return m_pDoc ? &m_pDoc->Grid() : nullptr;
}

void CTessimMapHost::StepBackRange()
{
    if (CView2DView* view = Frame() ? Frame()->View2D() : nullptr)
        view->StepBack();
}

void CTessimMapHost::ShowGridRange(const GridRange& range)
{
    if (!m_pDoc || !Frame())
        return;
    m_record.PushRange(range);
    if (C3DView* view = Frame()->ViewOf(ViewKind::TwoD))
        view->ShowRange(ViewHandOver{range, std::nullopt});
    if (C3DView* view = Frame()->ViewOf(ViewKind::Rendering))
        view->ShowRange(ViewHandOver{range, ViewAngles{m_record.GetRotate(), m_record.GetTilt()}});
}

void CTessimMapHost::CentreRenderingOn(double fx, double fy)
{
    if (C3DView* view = Frame() ? Frame()->ViewOf(ViewKind::Rendering) : nullptr)
        view->CentreOn(fx, fy);
}

void CTessimMapHost::StartNameInput(GridPoint point, float height)
{
    if (CView2DView* view = Frame() ? Frame()->View2D() : nullptr)
        view->EditPlace(point, height);
}

} // namespace qb
