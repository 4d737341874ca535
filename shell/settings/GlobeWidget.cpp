#include "shell/settings/GlobeWidget.h"

#include "platform/qt/QPainterDrawContext.h"
#include "webmap/GlobeObj.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qb {
namespace {

DrawPoint PointOf(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return DrawPoint{p.x(), p.y()};
}

} // namespace

CGlobeWidget::CGlobeWidget(CGlobeObj& globe, QWidget* parent) : QWidget(parent), m_globe(globe)
{
    setObjectName(QStringLiteral("globe"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
}

void CGlobeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CQPainterDrawContext dc(painter);
    m_globe.DrawGlobe(dc, width(), height());
}

// The drag's kind follows Shift, as on the web map; the stored mouse mode
// is kept for the settings.
void CGlobeWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus();
    GlobeOptions& options = m_globe.m_globe.m_options;
    m_nStoredMouseMode = options.mouseMode;
    options.mouseMode = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    if (m_globe.OnGlobeMouseDown(PointOf(event)))
        update();
}

void CGlobeWidget::mouseMoveEvent(QMouseEvent* event)
{
    std::string status;
    if (m_globe.OnGlobeMouseMove(PointOf(event), status))
        update();
    emit StatusChanged(QString::fromStdString(status));
}

void CGlobeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool redraw = m_globe.OnGlobeMouseUp(PointOf(event));
    m_globe.m_globe.m_options.mouseMode = m_nStoredMouseMode;
    if (redraw)
        update();
}

void CGlobeWidget::keyPressEvent(QKeyEvent* event)
{
    GlobeOptions& options = m_globe.m_globe.m_options;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomGlobeIn(options); break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: ZoomGlobeOut(options); break;
    case Qt::Key_Left: TurnGlobe(options, -1, 0); break;
    case Qt::Key_Right: TurnGlobe(options, 1, 0); break;
    case Qt::Key_Up: TurnGlobe(options, 0, 1); break;
    case Qt::Key_Down: TurnGlobe(options, 0, -1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    update();
}

} // namespace qb
