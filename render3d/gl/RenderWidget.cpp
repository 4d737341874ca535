#include "render3d/gl/RenderWidget.h"

#include <QElapsedTimer>
#include <QOpenGLContext>

namespace qb {

CRenderWidget::CRenderWidget(QWidget* parent)
    : QOpenGLWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

CRenderWidget::~CRenderWidget()
{
    // The base class destroys the context after this destructor: release
    // now, while the device still exists.
    disconnect(m_contextEnds);
    ReleaseGl();
}

void CRenderWidget::SetMesh(std::shared_ptr<const TerrainMesh> mesh)
{
    m_mesh = std::move(mesh);
    m_device.SetMesh(m_mesh.get());
    update();
}

void CRenderWidget::SetLabelBitmaps(std::vector<LabelBitmap> bitmaps)
{
    m_device.SetLabelBitmaps(bitmaps);
    update();
}

void CRenderWidget::SetFrameSource(FrameSource source)
{
    m_source = std::move(source);
    update();
}

QImage CRenderWidget::GrabFrame()
{
    return grabFramebuffer();
}

void CRenderWidget::initializeGL()
{
    // A widget moved to another window gets a new context: the device's
    // objects go with the old one and are made again here.
    QOpenGLContext* gl = context();
    disconnect(m_contextEnds);
    m_contextEnds = connect(gl, &QOpenGLContext::aboutToBeDestroyed, this, &CRenderWidget::ReleaseGl,
                            Qt::DirectConnection);
    m_glError.clear();
    const GlResolver resolve = [gl](const char* name) { return gl->getProcAddress(name); };
    if (!m_device.Attach(resolve, m_glError))
        qWarning("The rendering view cannot draw: %s", m_glError.c_str());
}

void CRenderWidget::paintGL()
{
    if (!m_device.Attached())
        return;
    const qreal ratio = devicePixelRatioF();
    const int w = qRound(width() * ratio), h = qRound(height() * ratio);
    RenderFrame frame;
    if (m_source)
        frame = m_source(w, h);
    frame.width = w;
    frame.height = h;
    QElapsedTimer timer;
    timer.start();
    m_device.Draw(frame);
    m_device.Api().Finish();
    m_lastFrameSeconds = double(timer.nsecsElapsed()) * 1e-9;
}

void CRenderWidget::ReleaseGl()
{
    if (!m_device.Attached())
        return;
    makeCurrent();
    m_device.Detach();
    doneCurrent();
}

} // namespace qb
