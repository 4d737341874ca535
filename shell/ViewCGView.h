#pragma once
#include "render3d/RenderCamera.h"
#include "render3d/RenderLabelChoice.h"
#include "render3d/RenderFrame.h"
#include "shell/3DView.h"
#include "views/Viewer2D.h"

#include <QBasicTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QImage;

namespace qb {

class CRenderWidget;
struct SampledGrid;
struct TerrainMesh;

// What a rendering view hands to the one that follows it on the area
// re-opened after a move: the camera, the names switch and the angles last
// sent by the map view.
struct RenderViewState {
    RenderCamera camera;
    bool namesShown = true;
    ViewAngles mapAngles;
};

// The rendering view: the shown range of its document's grid, resampled to
// the chosen fineness, built into a lit mesh and drawn by a render widget
// that fills the window. The mouse, the wheel and the arrow keys turn the
// camera and the light; a frame is drawn only when something that shows
// changed, and a timer runs only while the picture spins.
class CViewCGView final : public C3DView {
    Q_OBJECT
public:
    CViewCGView(CShellApp& shell, CTessimDoc& doc, QWidget* parent = nullptr);
    // Writes the fineness and the colour scheme back to the settings.
    ~CViewCGView() override;

    // "レンダリング-" and the resampling step of the last build.
    QString Caption() const override;
    void OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore) override;
    void Repaint() override;
    std::optional<ViewExtent> Extent() const override;
    // The rotation and tilt last sent by the map view; before any, the map
    // view's stored starting angles.
    std::optional<ViewAngles> Angles() const override { return m_mapAngles; }
    void ShowRange(const ViewHandOver& handOver) override;
    int MoveView(int direction, const NeighbourRequest& leave) override;
    void CopyBitmap() override;
    bool HasViewCommand(int id) const override;
    bool RunViewCommand(int id) override;
    bool IsViewCommandChecked(int id) const override;
    void RebuildPicture() override { Rebuild(); }
    void OnFrameMessage(FrameMessage message) override;
    void CentreOn(double fx, double fy) override;

    // Resamples the range and builds the mesh and the labels anew.
    void Rebuild();
    RenderViewState HandOverState() const;
    // Takes the state of the view this one follows; the next build keeps its
    // camera except for the point looked at, which the new mesh sets.
    void TakeOverState(const RenderViewState& state);
    // The picture drawn anew in full, at the window's size.
    QImage GrabPicture();

    RenderCamera& Camera() { return m_camera; }
    const TerrainMesh* Mesh() const { return m_mesh.get(); }
    bool NamesShown() const { return m_bShowNames; }
    std::int32_t Resolution() const { return m_nResolution; }
    int ColourScheme() const { return m_nColourScheme; }
    double Step() const { return m_dStep; }
    int LabelCount() const { return static_cast<int>(m_labels.size()); }
    bool IsSpinTimerActive() const { return m_spinTimer.isActive(); }
    CRenderWidget* Picture() const { return m_pPicture; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Draws a frame when `changed`.
    void Redraw(bool changed);
    RenderFrame NextFrame(int width, int height);
    // The detail of the next frame at rest, of a mesh of `vertices`: coarse
    // for the first frame of a new mesh whose full frame would be slow, the
    // full frame following.
    int RestingDetail(std::int64_t vertices);
    void ToggleSpin(Spin spin);
    void EndDrag();
    bool BuildMeshOf(const SampledGrid& samples);
    void ChooseLabels();
    void DropMesh();
    void RunLightDialog();
    void RunZoomDialog();
    void RunFinenessDialog();
    void RunColourDialog();

    CViewer2D m_range;
    std::int32_t m_nResolution;
    int m_nColourScheme;
    RenderCamera m_camera;
    CRenderWidget* m_pPicture = nullptr;
    std::shared_ptr<const TerrainMesh> m_mesh;
    std::vector<ChosenLabel> m_labels;
    std::vector<LabelShape> m_labelShapes;
    std::vector<LabelPlace> m_labelPlaces;
    bool m_bCoarseGrid = false;
    ViewAngles m_mapAngles;
    double m_dStep = 0.0;
    bool m_bBuilt = false;
    bool m_bShowNames = true;
    bool m_bDragging = false;
    bool m_bFramePending = false;
    int m_nSkippedTicks = 0;
    int m_nLastDetail = 1;
    double m_dFullFrameSeconds = 0.0;
    std::int64_t m_nFullFrameVertices = 0;
    std::int64_t m_nLastFrameVertices = 0;
    bool m_bFreshMesh = false;
    QBasicTimer m_spinTimer;
    QBasicTimer m_refineTimer;
};

} // namespace qb
