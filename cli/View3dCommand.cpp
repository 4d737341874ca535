// view3d: draws what the rendering view shows of a file or an area into a
// PNG image, through OpenGL without a display.
#include "cli/CliSupport.h"

#ifdef QB_CLI_HAS_QT
#include "cli/DocumentSession.h"
#include "cli/PictureOptions.h"
#include "cli/PictureSession.h"
#include "cli/View3dRequest.h"
#include "colour/ApplyColorScheme.h"
#include "places/LabelSettings.h"
#include "places/NameText.h"
#include "render3d/MeshBuild.h"
#include "render3d/RenderLabelChoice.h"
#include "render3d/ViewSampling.h"
#include "render3d/gl/EglOffscreen.h"
#include "render3d/gl/GlRenderDevice.h"
#include "render3d/gl/LabelBitmapMaker.h"

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
    const LabelMetrics metrics{double(grid.GetMeshSize()), double(grid.GetMeshSize2()), request.exaggeration};
    const std::vector<ChosenLabel> chosen = ChooseRenderLabels(records, range, metrics, view);
    SceneLabels labels;
    std::vector<LabelPlace> places;
    for (const ChosenLabel& label : chosen) {
        const PlaceRecord& record = records[std::size_t(label.record)];
        places.push_back(label.place);
        labels.bitmaps.push_back(MakeLabelBitmap(Utf8FromPlaceName(record.Name()),
                                                 g_LabelFonts[std::size_t(record.kind)]));
    }
    labels.shapes = MakeLabelShapes(places, mesh, grid.GetMeshSize() > kCoarseGridMetres,
                                    request.camera.CameraOffset());
    return labels;
}

// The rendering view's mesh of the range; false after a message.
bool BuildViewMesh(CDocumentSession& session, const GridRange& range, const View3dRequest& request,
                   TerrainMesh& mesh)
{
    const CHeightGrid& grid = session.Doc().Grid();
    const SampledGrid sampled = SampleRange(grid, range, request.resolution, request.exaggeration);
    if (sampled.Empty()) {
        PrintError("the range gives fewer than 30 samples across or down: there is nothing to draw");
        return false;
    }
    MeshInput input{sampled.columns, sampled.rows, grid.GetMeshSize() * sampled.step,
                    grid.GetMeshSize2() * sampled.step, sampled.heights, {}, request.exaggeration};
    ApplyColorScheme(session.Console().settings, input.colours, request.colourScheme);
    if (BuildMesh(input, nullptr, mesh))
        return true;
    PrintError("the range has no extent to draw");
    return false;
}

// The frame drawn offscreen, 0xAARRGGBB from the top row; empty after a message.
std::vector<std::uint32_t> DrawOffscreen(const TerrainMesh& mesh, const SceneLabels& labels,
                                         const View3dRequest& request)
{
    CEglOffscreen target;
    CGlRenderDevice device;
    std::string error;
    if (!target.Open(request.width, request.height, error) || !device.Attach(CEglOffscreen::Resolver(), error)) {
        PrintError("view3d needs OpenGL 3.3, which this machine does not offer: " + error);
        return {};
    }
    device.SetMesh(&mesh);
    device.SetLabelBitmaps(labels.bitmaps);
    RenderFrame frame = request.camera.Frame(request.width, request.height);
    frame.labels = labels.shapes;
    device.Draw(frame);
    std::vector<std::uint32_t> pixels = target.ReadPixels();
    device.Detach();
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
    const CHeightGrid& grid = session.Doc().Grid();
    if (request.range && !FitsGrid(*request.range, grid)) {
        PrintRangeOutside(grid);
        return kExitFailure;
    }
    const GridRange range = request.range.value_or(GridRange{0, 0, grid.m_nCols - 1, grid.m_nRows - 1});
    TerrainMesh mesh;
    if (!BuildViewMesh(session, range, request, mesh))
        return kExitFailure;
    request.camera.SetScene(mesh.target, mesh.extent);
    const SceneLabels labels = request.names ? ChooseLabels(session.Doc(), range, request, mesh) : SceneLabels{};
    const std::vector<std::uint32_t> pixels = DrawOffscreen(mesh, labels, request);
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
