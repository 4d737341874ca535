// globe: draws the world globe of the open-from-map dialog, facing Japan,
// into a PNG image or an SVG picture.
#include "cli/CliSupport.h"

#ifdef QB_CLI_HAS_QT
#include "cli/DocumentSession.h"
#include "cli/GuiApplication.h"
#include "cli/PictureFile.h"
#include "cli/PictureOptions.h"
#include "platform/qt/QPainterDrawContext.h"
#include "platform/PathText.h"
#include "webmap/Globe.h"
#include "webmap/GlobeDraw.h"
#include "webmap/StoredTiles.h"

#include <QPainter>

#include <optional>
#include <string>
#endif

namespace qb::cli {

#ifdef QB_CLI_HAS_QT
namespace {

struct GlobeRequest {
    std::string output;
    std::string dataFile;
    std::string databaseFolder;
    int width = 1600;
    int height = 1200;
    std::optional<double> angle;
    std::optional<double> bent;
    int zoomIndex = 0;
    int kind = 0;
    std::optional<int> meshSetting;
    bool svg = false;
};

const char* ParseAngles(const Arguments& args, GlobeRequest& request)
{
    if (const auto text = args.Option("--angle")) {
        request.angle = ParseNumber(*text);
        if (!request.angle)
            return "--angle takes a number of degrees";
    }
    if (const auto text = args.Option("--bent")) {
        request.bent = ParseNumber(*text);
        if (!request.bent)
            return "--bent takes a number of degrees";
    }
    return nullptr;
}

const char* ParseChoices(const Arguments& args, GlobeRequest& request)
{
    if (const auto text = args.Option("--zoom-index")) {
        const auto index = ParseInteger(*text, 0, kGlobeZoomSteps - 1);
        if (!index)
            return "--zoom-index takes 0 to 9";
        request.zoomIndex = static_cast<int>(*index);
    }
    if (const auto text = args.Option("--kind")) {
        const auto kind = ParseInteger(*text, 0, 9);
        if (!kind)
            return "--kind takes 0 to 9";
        request.kind = static_cast<int>(*kind);
    }
    if (!MeshSettingOf(args, request.meshSetting))
        return kMeshSettingUsage;
    if (request.meshSetting)
        request.databaseFolder = DatabaseFolderOf(args);
    request.dataFile = args.Option("--data").value_or(DeliveredGlobeFile());
    return nullptr;
}

const char* ParseGlobeRequest(const Arguments& args, GlobeRequest& request)
{
    if (!args.error.empty())
        return args.error.c_str();
    if (args.words.size() != 1)
        return "globe takes OUT.png|OUT.svg";
    request.output = args.words[0];
    request.svg = HasExtension(request.output, ".svg");
    if (!request.svg && !HasExtension(request.output, ".png"))
        return "the output must be a .png or an .svg file";
    if (const char* error = ParseSizeOption(args, request.width, request.height))
        return error;
    if (const char* error = ParseAngles(args, request))
        return error;
    return ParseChoices(args, request);
}

// The globe as the dialog shows it, with the options given; its view
// clamped to face Japan as every drawing does.
struct GlobePicture {
    GlobeScene scene;
    GlobeView view;
};

void Paint(QPainter& painter, const GlobePicture& picture)
{
    CQPainterDrawContext dc(painter);
    DrawGlobe(dc, picture.view, picture.scene);
}

int DrawRequestedGlobe(const GlobeRequest& request)
{
    Session session;
    CGlobe globe(session.settings);
    const std::string error = globe.LoadGlobeData(request.dataFile);
    if (!error.empty()) {
        PrintError("地球儀のデータファイルが読めません: " + request.dataFile + " (" + error + ")");
        return kExitFailure;
    }
    GlobeOptions& options = globe.m_options;
    options.zoomIndex = request.zoomIndex;
    options.angle = request.angle.value_or(options.angle);
    options.bent = request.bent.value_or(options.bent);
    ClampGlobeView(options);
    GlobePicture picture{{}, GlobeViewOf(options, request.width, request.height)};
    picture.scene.options = &globe.m_options;
    picture.scene.fonts = &globe.m_fonts;
    picture.scene.records = &globe.m_records;
    picture.scene.dataKind = request.kind;
    if (request.meshSetting)
        picture.scene.storedCells = StoredTileCells(request.databaseFolder, *request.meshSetting);
    CGuiApplication app;
    if (WritePictureFile(request.output, request.svg, request.width, request.height,
                         [&picture](QPainter& painter) { Paint(painter, picture); }))
        return kExitOk;
    PrintError("ファイルが書き込めません: " + request.output);
    return kExitFailure;
}

} // namespace

int RunGlobe(const Arguments& args)
{
    GlobeRequest request;
    if (const char* error = ParseGlobeRequest(args, request))
        return UsageError(error);
    return DrawRequestedGlobe(request);
}

#else

int RunGlobe(const Arguments&)
{
    PrintError("globe needs the Qt build of quarrenby-cli");
    return kExitFailure;
}

#endif

} // namespace qb::cli
