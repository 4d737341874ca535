#pragma once
#include "render3d/gl/GlRenderDevice.h"

#include <QImage>
#include <QMetaObject>
#include <QOpenGLWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qb {

// The rendering view's drawing surface: an OpenGL widget holding the device.
// It draws only when asked (update()), never in a loop. Mouse, wheel and key
// events pass through it to its parent, which drives the camera.
class CRenderWidget : public QOpenGLWidget {
public:
    using FrameSource = std::function<RenderFrame(int width, int height)>;

    explicit CRenderWidget(QWidget* parent = nullptr);
    ~CRenderWidget() override;

    // The mesh to draw (nullptr: none); kept alive while it is shown.
    void SetMesh(std::shared_ptr<const TerrainMesh> mesh);
    void SetLabelBitmaps(std::vector<LabelBitmap> bitmaps);
    // Asked at every paint for the frame of a surface of width x height
    // pixels; the labels it points to must live until the next call.
    void SetFrameSource(FrameSource source);

    // Seconds the last frame took, until the GPU had finished it.
    double LastFrameSeconds() const { return m_lastFrameSeconds; }
    // The picture drawn anew, for the clipboard.
    QImage GrabFrame();
    // Why nothing is drawn when OpenGL 3.3 could not be used; empty otherwise.
    const std::string& GlError() const { return m_glError; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void ReleaseGl();

    CGlRenderDevice m_device;
    std::shared_ptr<const TerrainMesh> m_mesh;
    FrameSource m_source;
    QMetaObject::Connection m_contextEnds;
    std::string m_glError;
    double m_lastFrameSeconds = 0;
};

} // namespace qb
