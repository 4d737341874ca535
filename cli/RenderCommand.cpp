// render: draws what the 2-D view shows of a file or an area into a PNG image
// or an SVG picture.
#include "cli/CliSupport.h"

#ifdef QB_CLI_HAS_QT
#include "cli/DocumentSession.h"
#include "cli/PictureFile.h"
#include "cli/PictureOptions.h"
#include "cli/PictureSession.h"
#include "cli/SceneOptions.h"
#include "platform/qt/QPainterDrawContext.h"
#include "terrain/ZipArchive.h"
#include "views/LabelPlacement.h"
#include "views/Viewer2D.h"

#include <QPainter>

#include <memory>
#include <optional>
#include <string>
#include <vector>
#endif

namespace qb::cli {

#ifdef QB_CLI_HAS_QT
namespace {

struct RenderRequest {
    std::string input;
    std::string output;
    int width = 1600;
    int height = 1200;
    int method = 0;                 // 0 contour lines, 1 colour bands
    std::optional<int> meshSetting; // which tiles an area file names
    std::optional<GridRange> range;
    bool names = false;
    bool svg = false;
};

const char* ParseOptions(const Arguments& args, RenderRequest& request)
{
    if (const char* error = ParseSizeOption(args, request.width, request.height))
        return error;
    if (const auto method = args.Option("--method")) {
        if (*method != "contour" && *method != "bands")
            return "--method takes contour or bands";
        request.method = *method == "bands" ? 1 : 0;
    }
    if (!RangeOf(args, request.range))
        return kRangeUsage;
    if (!MeshSettingOf(args, request.meshSetting))
        return kMeshSettingUsage;
    request.names = args.Has("--names");
    return nullptr;
}

const char* ParseRequest(const Arguments& args, RenderRequest& request)
{
    if (!args.error.empty())
        return args.error.c_str();
    if (args.words.size() != 2)
        return "render takes FILE OUT.png|OUT.svg";
    request.input = args.words[0];
    request.output = args.words[1];
    request.svg = HasExtension(request.output, ".svg");
    if (!request.svg && !HasExtension(request.output, ".png"))
        return "the output must be a .png or an .svg file";
    return ParseOptions(args, request);
}

// What the 2-D view paints into a client area of the given size.
void PaintView(QPainter& painter, CViewer2D& viewer, const RenderRequest& request)
{
    CQPainterDrawContext dc(painter);
    dc.FillRect(DrawRect{0, 0, request.width, request.height}, Rgb(255, 255, 255));
    viewer.Draw(dc, DrawRect{0, 0, request.width, request.height});
}

int Render(CTessimDoc& doc, const RenderRequest& request)
{
    CHeightGrid& grid = doc.Grid();
    if (request.range && !FitsGrid(*request.range, grid)) {
        PrintError(RangeOutsideText(grid));
        return kExitFailure;
    }
    CViewer2D viewer;
    viewer.m_nMethod = request.method;
    viewer.Attach(grid, std::nullopt, false);
    if (request.range)
        viewer.SetRange(*request.range);
    CLabelPlacement placement;
    CPlaceTable& names = doc.Places().Display();
    if (request.names) {
        viewer.SetLabelPlacer(&placement);
        viewer.SetNames(names.Records().data(), names.Count());
    }
    if (WritePictureFile(request.output, request.svg, request.width, request.height,
                         [&](QPainter& painter) { PaintView(painter, viewer, request); }))
        return kExitOk;
    PrintError("ファイルが書き込めません: " + request.output);
    return kExitFailure;
}

} // namespace

int RunRender(const Arguments& args)
{
    RenderRequest request;
    if (const char* error = ParseRequest(args, request))
        return UsageError(error);
    return DrawOpenedFile(args, request.input, request.meshSetting,
                          [&request](CDocumentSession& session) { return Render(session.Doc(), request); });
}

#else

int RunRender(const Arguments&)
{
    PrintError("render needs the Qt build of quarrenby-cli");
    return kExitFailure;
}

#endif

} // namespace qb::cli
