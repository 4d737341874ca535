// The rendering view's menu: spinning, zooming, the names, the light, the
// zoom factor, the fineness and the colours.
#include "shell/ViewCGView.h"

#include "app/CommandIds.h"
#include "render3d/ZoomLogic.h"
#include "shell/ShellApp.h"
#include "shell/dialogs/ColorSetDlg.h"
#include "shell/settings/LightPositionDlg.h"
#include "shell/settings/ResolutionDlg.h"
#include "shell/settings/ZoomDialog.h"

#include <QTimerEvent>

#include <algorithm>
#include <array>

namespace qb {
namespace {

// How often a spinning picture turns; a tick whose frame is still to be
// drawn is skipped, so a slow machine turns more slowly instead of queueing
// frames, but never more than a few in a row.
constexpr int kSpinMs = 33;
constexpr int kMaxSkippedTicks = 10;

constexpr std::array<int, 9> kViewCommands = {
    cmd::kRotateRight,   cmd::kRotateLeft, cmd::kZoomIn,     cmd::kZoomOut, cmd::kShowNames,
    cmd::kLightPosition, cmd::kZoomDialog, cmd::kResolution, cmd::kColours,
};

} // namespace

bool CViewCGView::HasViewCommand(int id) const
{
    return std::find(kViewCommands.begin(), kViewCommands.end(), id) != kViewCommands.end();
}

bool CViewCGView::IsViewCommandChecked(int id) const
{
    switch (id) {
    case cmd::kRotateRight: return m_camera.spin == kSpinRight;
    case cmd::kRotateLeft: return m_camera.spin == kSpinLeft;
    case cmd::kShowNames: return m_bShowNames;
    default: return false;
    }
}

bool CViewCGView::RunViewCommand(int id)
{
    switch (id) {
    case cmd::kRotateRight: ToggleSpin(kSpinRight); break;
    case cmd::kRotateLeft: ToggleSpin(kSpinLeft); break;
    case cmd::kZoomIn: Redraw(m_camera.ZoomIn()); break;
    case cmd::kZoomOut: Redraw(m_camera.ZoomOut()); break;
    case cmd::kShowNames:
        m_bShowNames = !m_bShowNames;
        Redraw(true);
        break;
    case cmd::kLightPosition: RunLightDialog(); break;
    case cmd::kZoomDialog: RunZoomDialog(); break;
    case cmd::kResolution: RunFinenessDialog(); break;
    case cmd::kColours: RunColourDialog(); break;
    default: return false;
    }
    return true;
}

// Spin turns between still and the asked direction; the timer runs only
// while the picture turns.
void CViewCGView::ToggleSpin(Spin spin)
{
    m_camera.spin = m_camera.spin == spin ? kSpinStill : spin;
    if (m_camera.spin == kSpinStill)
        m_spinTimer.stop();
    else if (!m_spinTimer.isActive())
        m_spinTimer.start(kSpinMs, this);
}

void CViewCGView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_refineTimer.timerId()) {
        m_refineTimer.stop();
        // A drag under way draws the full picture when it ends.
        Redraw(!m_bDragging);
        return;
    }
    if (event->timerId() != m_spinTimer.timerId()) {
        C3DView::timerEvent(event);
        return;
    }
    if (m_bFramePending && ++m_nSkippedTicks < kMaxSkippedTicks)
        return;
    m_nSkippedTicks = 0;
    Redraw(m_camera.SpinStep());
}

void CViewCGView::RunLightDialog()
{
    Redraw(RunLightPositionDialog(m_camera, this));
}

void CViewCGView::RunZoomDialog()
{
    double distance = m_camera.distance;
    if (!qb::RunZoomDialog(Shell().Messages(), distance, this))
        return;
    // The camera keeps the distance inside the wheel's range.
    m_camera.SetZoomFactor(distance / kZoomUnitDistance);
    Redraw(true);
}

void CViewCGView::RunFinenessDialog()
{
    if (RunResolutionDialog(m_nResolution, this))
        Rebuild();
}

void CViewCGView::RunColourDialog()
{
    if (RunColourSchemeDialog(Shell().App().Settings(), Shell().Messages(), this, m_nColourScheme))
        Rebuild();
}

} // namespace qb
