#include "shell/ViewCGView.h"

#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "platform/NumberText.h"
#include "platform/qt/QtText.h"
#include "render3d/TerrainMesh.h"
#include "render3d/gl/RenderWidget.h"
#include "shell/ShellApp.h"
#include "shell/print/PlanClipboard.h"

#include <QTimer>
#include <QVBoxLayout>

namespace qb {
namespace {

constexpr std::string_view kResolutionSection = "Res";
constexpr std::string_view kResolutionKey = "Resolution";
constexpr std::string_view kColourSection = "Color";
constexpr std::string_view kColourKey = "ColorV20";
constexpr int kDefaultColourScheme = 5;
// The finest of the three budgets.
constexpr std::int32_t kDefaultResolution = 67108864;

} // namespace

CViewCGView::CViewCGView(CShellApp& shell, CTessimDoc& doc, QWidget* parent)
    : C3DView(shell, doc, ViewKind::Rendering, parent)
{
    ISettingsStore& settings = shell.App().Settings();
    m_nResolution = settings.GetSettingInt(kResolutionSection, kResolutionKey, kDefaultResolution);
    m_nColourScheme = settings.GetSettingInt(kColourSection, kColourKey, kDefaultColourScheme);
    m_mapAngles = StartingViewAngles(settings);
    m_pPicture = new CRenderWidget(this);
    m_pPicture->setObjectName(QStringLiteral("renderPicture"));
    m_pPicture->SetFrameSource([this](int width, int height) { return NextFrame(width, height); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pPicture);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(64, 48);
}

CViewCGView::~CViewCGView()
{
    ISettingsStore& settings = Shell().App().Settings();
    settings.WriteSettingInt(kResolutionSection, kResolutionKey, m_nResolution);
    settings.WriteSettingInt(kColourSection, kColourKey, m_nColourScheme);
}

QString CViewCGView::Caption() const
{
    return C3DView::Caption() + ToQString(" " + FormatFixed(m_dStep, 1, 0) + "倍");
}

// The first build waits for the event loop: the show command hands its
// range over right after this, and that range is the one to build.
void CViewCGView::OnInitialUpdate(const std::optional<GridRange>& restore, bool)
{
    if (!Document())
        return;
    m_range.Attach(Document()->Grid(), restore, true);
    QTimer::singleShot(0, this, [this] {
        if (!m_bBuilt)
            Rebuild();
    });
}

void CViewCGView::Repaint()
{
    ChooseLabels();
    Redraw(true);
}

std::optional<ViewExtent> CViewCGView::Extent() const
{
    const CHeightGrid* grid = Document() ? m_range.Grid() : nullptr;
    if (!grid)
        return std::nullopt;
    return ViewExtent{m_range.GetRange(), grid->m_nCols, grid->m_nRows};
}

void CViewCGView::ShowRange(const ViewHandOver& handOver)
{
    m_range.SetRange(handOver.range);
    if (handOver.angles)
        m_mapAngles = *handOver.angles;
    Rebuild();
}

RenderViewState CViewCGView::HandOverState() const
{
    return RenderViewState{m_camera, m_bShowNames, m_mapAngles};
}

void CViewCGView::TakeOverState(const RenderViewState& state)
{
    m_camera = state.camera;
    m_camera.spin = kSpinStill;
    m_bShowNames = state.namesShown;
    m_mapAngles = state.mapAngles;
}

int CViewCGView::MoveView(int direction, const NeighbourRequest& leave)
{
    if (!Document())
        return 0;
    const int moved = m_range.MoveRange(direction, leave);
    if (moved == 1)
        Rebuild();
    return moved;
}

QImage CViewCGView::GrabPicture()
{
    m_bFreshMesh = false;
    return m_pPicture->GrabFrame();
}

void CViewCGView::CopyBitmap()
{
    qb::CopyBitmap(GrabPicture());
}

void CViewCGView::CentreOn(double fx, double fy)
{
    if (!m_mesh)
        return;
    m_camera.target[0] = static_cast<float>(m_camera.extent[0] * fx);
    m_camera.target[1] = static_cast<float>(m_camera.extent[1] * fy);
    Redraw(true);
}

// Coming back to the program draws the picture anew, in case the window
// system lost it meanwhile. The OpenGL surface follows the window's moves
// and the picture has no colours of the palette: those need nothing.
void CViewCGView::OnFrameMessage(FrameMessage message)
{
    if (message == FrameMessage::Activated)
        Redraw(true);
}

// The automatic name display shows more names in a larger window.
void CViewCGView::resizeEvent(QResizeEvent* event)
{
    C3DView::resizeEvent(event);
    ChooseLabels();
}

void CViewCGView::Redraw(bool changed)
{
    if (!changed)
        return;
    m_bFramePending = true;
    m_pPicture->update();
}

} // namespace qb
