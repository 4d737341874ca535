#include "bench/ViewDrawWatch.h"

#include "render3d/gl/RenderWidget.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"

#include <QApplication>
#include <QEvent>

namespace qb::bench {

CViewDrawWatch::CViewDrawWatch(const QElapsedTimer& clock) : m_clock(clock)
{
    qApp->installEventFilter(this);
}

CViewDrawWatch::~CViewDrawWatch()
{
    qApp->removeEventFilter(this);
}

bool CViewDrawWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish && dynamic_cast<CRenderWidget*>(watched))
        WatchFrames(watched);
    if (event->type() == QEvent::Paint && watched->property("qbFramesWatched").toBool()) {
        if (auto* view = qobject_cast<CViewCGView*>(static_cast<QWidget*>(watched)->parentWidget()))
            m_pPaintedMesh = view->Mesh();
    }
    // The paint about to run notes its end.
    if (auto* view = qobject_cast<CView2DView*>(watched); view && event->type() == QEvent::Paint)
        view->SetFirstPaintHook([this] { m_last2D = m_clock.elapsed(); });
    return false;
}

void CViewDrawWatch::WatchFrames(QObject* widget)
{
    if (widget->property("qbFramesWatched").toBool())
        return;
    widget->setProperty("qbFramesWatched", true);
    auto* picture = static_cast<CRenderWidget*>(widget);
    connect(picture, &QOpenGLWidget::frameSwapped, this, [this] {
        if (!m_pPaintedMesh || m_pPaintedMesh == m_pFrameMesh)
            return;
        m_lastFrame = m_clock.elapsed();
        m_pFrameMesh = m_pPaintedMesh;
    });
}

} // namespace qb::bench
