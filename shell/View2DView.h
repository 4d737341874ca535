#pragma once
#include "shell/3DView.h"
#include "views/ViewHost.h"
#include "views/Viewer2D.h"

#include <QImage>

class QPrinter;

#include <functional>
#include <optional>

namespace qb {

struct PlanSource;
class CShellApp;
class CTessimDoc;

// The 2-D view window: the contour or colour-band map of its document drawn
// by a CViewer2D, rubber-band zooming with the two context menus, and the
// name input on a right click. The picture is kept in an image so that the
// engine's inverted marks can be drawn between paints.
class CView2DView final : public C3DView, public IViewHost {
    Q_OBJECT
public:
    CView2DView(CShellApp& shell, CTessimDoc& doc, QWidget* parent = nullptr);
    ~CView2DView() override;

    CViewer2D& Viewer() { return m_viewer; }
    const CViewer2D& Viewer() const { return m_viewer; }
    // The picture as last painted (the client area).
    const QImage& Picture() const { return m_picture; }
    // "２次元等高線-" and the document's title.
    QString Caption() const override;

    // Binds the engine to the document's grid, showing `restore` when given.
    void OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore) override;
    std::optional<ViewExtent> Extent() const override;
    void ShowRange(const ViewHandOver& handOver) override;
    int MoveView(int direction, const NeighbourRequest& leave) override;

    // The view's commands: printing and the preview on the shared printer,
    // the client area as a bitmap and the 1600 x 1200 picture on the clipboard.
    void Print(QPrinter& printer);
    void PrintPreview(QPrinter& printer);
    void CopyBitmap() override;
    void CopyPicture();

    // "一つ前の範囲に戻す": the band ends and the range before the last zoom
    // returns and is passed on; only a repaint when there is none.
    void StepBack();
    // The place-name input at a grid point with its height; the views of
    // the document draw again when the names changed.
    void EditPlace(GridPoint point, float height);

    // Called once after the first complete paint (used to time the start).
    void SetFirstPaintHook(std::function<void()> hook) { m_firstPaint = std::move(hook); }

    void Repaint() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void SetCursor(ViewCursor cursor) override;
    void SetStatusText(std::string_view text) override;
    void ShowMessage(std::string_view text, MessageIcon icon) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RenderPicture();
    // What printing and copying draw: this view's engine and names.
    PlanSource Source();
    // Runs an engine operation that draws into the kept picture.
    void DrawOnPicture(const std::function<void(IDrawContext&)>& draw);
    void ShowRangeMenu(const QPoint& at);
    void ZoomToSelection();
    void CentreRendering();
    void CancelDrag();
    void EditPlaceAt(const QPoint& point);

    CViewer2D m_viewer;
    QImage m_picture;
    bool m_bPictureValid = false;
    std::function<void()> m_firstPaint;
};

} // namespace qb
