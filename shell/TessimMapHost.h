#pragma once
#include "app/AppMapHost.h"

namespace qb {

class CMainFrame;
class CShellApp;
class CTessimDoc;
class CViewer3D;

// The web map's host in a map view: the application's red and blue boxes,
// and the map's actions carried out on the main frame's other views. A box
// chosen on the map becomes the range of the map view's record (the range
// before it goes to the zoom history, so that "undo" returns to it), of the
// 2-D view and of the rendering view.
class CTessimMapHost final : public CAppMapHost {
public:
    CTessimMapHost(CShellApp& shell, CTessimDoc& doc, CViewer3D& record);

    // The document is about to go: the map has no grid any more.
    void Detach() { m_pDoc = nullptr; }

    const CHeightGrid* Grid() const override;
    void StepBackRange() override;
    void ShowGridRange(const GridRange& range) override;
    void CentreRenderingOn(double fx, double fy) override;
    void StartNameInput(GridPoint point, float height) override;

private:
    CMainFrame* Frame() const;

    CShellApp& m_shell;
    CTessimDoc* m_pDoc;
    CViewer3D& m_record;
};

} // namespace qb
