// The rendering view's build: the range resampled, the mesh built inside
// the progress dialog, and the names chosen and drawn into their bitmaps.
#include "shell/ViewCGView.h"

#include "app/TessimDoc.h"
#include "places/LabelSettings.h"
#include "render3d/ViewMesh.h"
#include "render3d/ViewSampling.h"
#include "render3d/gl/LabelBitmapMaker.h"
#include "render3d/gl/RenderWidget.h"
#include "shell/ShellApp.h"
#include "terrain/ProgressJob.h"

namespace qb {

void CViewCGView::Rebuild()
{
    m_bBuilt = true;
    m_camera.spin = kSpinStill;
    m_spinTimer.stop();
    CTessimDoc* doc = Document();
    if (!doc || !m_range.Grid()) {
        DropMesh();
        return;
    }
    const SampledGrid samples =
        SampleRange(doc->Grid(), m_range.GetRange(), m_nResolution, Shell().App().m_dHeightScale);
    m_dStep = samples.step;
    if (samples.Empty() || !BuildMeshOf(samples))
        DropMesh();
    ChooseLabels();
    UpdateCaption();
    Redraw(true);
}

// Cancel leaves no mesh: the picture is the empty navy one.
bool CViewCGView::BuildMeshOf(const SampledGrid& samples)
{
    const CHeightGrid& grid = Document()->Grid();
    CTessimApp& app = Shell().App();
    auto mesh = std::make_shared<TerrainMesh>();
    const bool built = Shell().Jobs().RunJob(kJobBuild3dObject, [&](IProgress& progress) {
        return BuildViewMesh(grid, samples, app.m_dHeightScale, app.Settings(), m_nColourScheme, &progress, *mesh);
    });
    if (!built || mesh->Empty())
        return false;
    m_mesh = std::move(mesh);
    m_camera.SetScene(m_mesh->target, m_mesh->extent);
    // Grids coarser than 10 m get taller poles and larger names.
    m_bCoarseGrid = grid.GetMeshSize() > 10;
    m_pPicture->SetMesh(m_mesh);
    m_bFreshMesh = true;
    return true;
}

void CViewCGView::DropMesh()
{
    m_mesh.reset();
    m_labels.clear();
    m_pPicture->SetMesh(nullptr);
}

// The names on poles: chosen as the label display shows them, each drawn
// in its kind's font into the bitmap its quad shows.
void CViewCGView::ChooseLabels()
{
    CTessimDoc* doc = Document();
    m_labels.clear();
    m_labelPlaces.clear();
    std::vector<LabelBitmap> bitmaps;
    if (doc && m_mesh) {
        std::span<PlaceRecord> records = doc->Places().Display().Records();
        const CHeightGrid& grid = doc->Grid();
        LabelViewState view{width(), height(), 0};
        const LabelMetrics metrics{double(grid.GetMeshSize()), double(grid.GetMeshSize2()),
                                   Shell().App().m_dHeightScale};
        m_labels = ChooseRenderLabels(records, m_range.GetRange(), metrics, view);
        bitmaps = MakeLabelBitmaps(records, m_labels);
        for (const ChosenLabel& label : m_labels)
            m_labelPlaces.push_back(label.place);
    }
    m_pPicture->SetLabelBitmaps(std::move(bitmaps));
}

} // namespace qb
