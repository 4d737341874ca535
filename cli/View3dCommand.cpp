// view3d: draws what the rendering view shows of a file or an area into a
// PNG image, through OpenGL without a display.
#include "cli/CliSupport.h"

#ifdef QB_CLI_HAS_QT
#include "cli/DocumentSession.h"
#include "cli/MeshScene.h"
#include "cli/PictureSession.h"
#include "cli/View3dRequest.h"
#include "places/LabelSettings.h"
#include "render3d/RenderLabelChoice.h"
#include "render3d/gl/LabelBitmapMaker.h"
#include "render3d/gl/OffscreenFrame.h"

#include <QImage>
#include <QSaveFile>

#include <cstring>
#include <vector>
#endif

namespace qb::cli {

#ifdef QB_CLI_HAS_QT
namespace {

// Grids coarser than this carry taller poles and larger names.
constexpr int kCoarseGridMetres = 10;

// The labels of the picture and their bitmaps.
struct SceneLabels {
    std::vector<LabelShape> shapes;
    std::vector<LabelBitmap> bitmaps;
};

SceneLabels ChooseLabels(CTessimDoc& doc, const GridRange& range, const View3dRequest& request,
                         const TerrainMesh& mesh)
{
    const CHeightGrid& grid = doc.Grid();
    std::span<PlaceRecord> records = doc.Places().Display().Records();
    LabelViewState view{request.width, request.height, 0};
    const LabelMetrics metrics{double(grid.GetMeshSize()), double(grid.GetMeshSize2()), request.scene.exaggeration};
    const std::vector<ChosenLabel> chosen = ChooseRenderLabels(records, range, metrics, view);
    SceneLabels labels;
    labels.bitmaps = MakeLabelBitmaps(records, chosen);
    std::vector<LabelPlace> places;
    for (const ChosenLabel& label : chosen)
        places.push_back(label.place);
    labels.shapes = MakeLabelShapes(places, mesh, grid.GetMeshSize() > kCoarseGridMetres,
                                    request.camera.CameraOffset());
    return labels;
}

// The frame drawn offscreen, 0xAARRGGBB from the top row; empty after a message.
std::vector<std::uint32_t> DrawFrame(const TerrainMesh& mesh, const SceneLabels& labels, const View3dRequest& request)
{
    RenderFrame frame = request.camera.Frame(request.width, request.height);
    frame.labels = labels.shapes;
    std::string error;
    std::vector<std::uint32_t> pixels = DrawFrameOffscreen(mesh, labels.bitmaps, frame, error);
    if (pixels.empty())
        PrintError("view3d needs OpenGL 3.3, which this machine does not offer: " + error);
    return pixels;
}

// Written to a temporary file first, so that a failure leaves an older picture whole.
bool WritePng(const std::vector<std::uint32_t>& pixels, const View3dRequest& request)
{
    QImage image(request.width, request.height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    for (int y = 0; y < request.height; ++y)
        std::memcpy(image.scanLine(y), pixels.data() + std::size_t(y) * std::size_t(request.width),
                    std::size_t(request.width) * sizeof(std::uint32_t));
    QSaveFile file(QString::fromStdString(request.output));
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

int View3d(CDocumentSession& session, View3dRequest& request)
{
    MeshScene scene;
    if (BuildScene(session.Doc().Grid(), request.scene, scene) != kExitOk)
        return kExitFailure;
    const TerrainMesh& mesh = scene.mesh;
    request.camera.SetScene(mesh.target, mesh.extent);
    const GridRange range = request.scene.RangeIn(session.Doc().Grid());
    const SceneLabels labels = request.names ? ChooseLabels(session.Doc(), range, request, mesh) : SceneLabels{};
    const std::vector<std::uint32_t> pixels = DrawFrame(mesh, labels, request);
    if (pixels.empty())
        return kExitFailure;
    if (WritePng(pixels, request))
        return kExitOk;
    PrintError("ファイルが書き込めません: " + request.output);
    return kExitFailure;
}

} // namespace

int RunView3d(const Arguments& args)
{
    View3dRequest request;
    if (const char* error = ParseView3dRequest(args, request))
        return UsageError(error);
    return DrawOpenedFile(args, request.input, request.meshSetting,
                          [&request](CDocumentSession& session) { return View3d(session, request); });
}

#else

int RunView3d(const Arguments&)
{
    PrintError("view3d needs the Qt build of quarrenby-cli");
    return kExitFailure;
}

#endif

} // namespace qb::cli
