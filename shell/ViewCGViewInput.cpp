// The rendering view's mouse, wheel and keys: each goes to the camera's
// controls, and a frame is drawn only when a control changed something.
#include "shell/ViewCGView.h"

#include "render3d/DragDetail.h"
#include "render3d/LabelShapes.h"
#include "render3d/gl/RenderWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace qb {
namespace {

// How long a coarse first picture stands before the full one is drawn.
constexpr int kRefineDelayMs = 500;

unsigned InputFlagsOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons)
{
    unsigned flags = 0;
    if (keys & Qt::ShiftModifier)
        flags |= kInputShift;
    if (keys & Qt::ControlModifier)
        flags |= kInputControl;
    if (buttons & Qt::LeftButton)
        flags |= kInputLeftButton;
    if (buttons & Qt::RightButton)
        flags |= kInputRightButton;
    if (buttons & Qt::MiddleButton)
        flags |= kInputMiddleButton;
    return flags;
}

std::optional<MouseButton> ButtonOf(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return MouseButton::kLeft;
    if (button == Qt::RightButton)
        return MouseButton::kRight;
    return std::nullopt;
}

} // namespace

void CViewCGView::mousePressEvent(QMouseEvent* event)
{
    const std::optional<MouseButton> button = ButtonOf(event->button());
    if (!button)
        return;
    setFocus(Qt::MouseFocusReason);
    m_bDragging = true;
    grabMouse(Qt::SizeAllCursor);
    Redraw(m_camera.MouseDown(*button));
}

void CViewCGView::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<MouseButton> button = ButtonOf(event->button());
    if (!button)
        return;
    m_camera.MouseUp(*button);
    if (!(event->buttons() & (Qt::LeftButton | Qt::RightButton)))
        EndDrag();
}

// The drag frames were coarse: the picture at rest is drawn in full.
void CViewCGView::EndDrag()
{
    m_bDragging = false;
    releaseMouse();
    unsetCursor();
    Redraw(m_nLastDetail != 1);
}

void CViewCGView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Redraw(m_camera.MouseMove(InputFlagsOf(event->modifiers(), event->buttons()), at.x(), at.y()));
}

void CViewCGView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    Redraw(m_camera.Wheel(InputFlagsOf(event->modifiers(), event->buttons()), delta));
}

void CViewCGView::keyPressEvent(QKeyEvent* event)
{
    const RenderKey key = event->key() == Qt::Key_Up     ? RenderKey::kUp
                          : event->key() == Qt::Key_Down ? RenderKey::kDown
                                                         : RenderKey::kOther;
    if (key == RenderKey::kOther) {
        C3DView::keyPressEvent(event);
        return;
    }
    Redraw(m_camera.Key(key));
}

// The frame the widget is about to draw. While the camera or the light is
// dragged the mesh is thinned as far as the last full frame's time asks.
// A new picture shows at once, coarse where the full frame takes long (on a
// software rasteriser), and in full a moment later, once the other windows
// have had their turn.
int CViewCGView::RestingDetail(std::int64_t vertices)
{
    if (!m_bFreshMesh || !m_mesh)
        return 1;
    m_bFreshMesh = false;
    const int detail = FirstFrameDetail(vertices, m_nFullFrameVertices, m_dFullFrameSeconds);
    if (detail > 1)
        m_refineTimer.start(kRefineDelayMs, this);
    return detail;
}

RenderFrame CViewCGView::NextFrame(int width, int height)
{
    if (m_nLastDetail == 1 && m_pPicture->LastFrameSeconds() > 0) {
        m_dFullFrameSeconds = m_pPicture->LastFrameSeconds();
        m_nFullFrameVertices = m_nLastFrameVertices;
    }
    m_bFramePending = false;
    RenderFrame frame = m_camera.Frame(width, height);
    const std::int64_t vertices = m_mesh ? m_mesh->VertexCount() : 0;
    frame.detail = m_bDragging ? DragDetail(m_dFullFrameSeconds) : RestingDetail(vertices);
    m_nLastDetail = frame.detail;
    m_nLastFrameVertices = vertices;
    if (m_bShowNames && m_mesh && !m_labels.empty()) {
        m_labelShapes = MakeLabelShapes(m_labelPlaces, *m_mesh, m_bCoarseGrid, m_camera.CameraOffset());
        frame.labels = m_labelShapes;
    }
    return frame;
}

} // namespace qb
