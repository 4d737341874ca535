#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"

#include "app/DocumentHost.h"
#include "app/TessimApp.h"
#include "app/TessimDoc.h"
#include "platform/JobRunner.h"
#include "platform/PosixSystemServices.h"
#include "terrain/AreaAssembly.h"
#include "terrain/AsciiGrid.h"
#include "terrain/ZipArchive.h"
#include "terrain/MeshNaming.h"
#include "terrain/ProgressJob.h"

#include <cstdio>

namespace qb::cli {
namespace {

// The only document of the tool: nothing else to close, the status line on stderr.
class CConsoleHost final : public IDocumentHost {
public:
    bool CloseOtherDocuments(CTessimDoc&) override { return true; }
    void SetStatusText(std::string_view text) override
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
};

// Runs a job with a bar on the terminal; nobody can cancel it.
class CConsoleJobs final : public IJobRunner {
public:
    bool RunJob(int kind, const std::function<int(IProgress&)>& job) override
    {
        CConsoleProgress progress(kind == kJobCountPlaces ? "Reading names" : "Joining tiles");
        return job(progress) == 1;
    }
};

// The data source kind the assembly uses for a mesh setting, and the source
// kind the document is told about.
int AssemblyKind(int mesh)
{
    switch (mesh) {
    case kMesh10m: return kSource10m;
    case kMesh5m: return kSource5m;
    case kMesh1m: return kSource1m;
    default: return kSourceHybrid10m;
    }
}

bool AssembleForMesh(CTessimApp& app, int mesh, const Arguments& args, IMessageSink& messages)
{
    const auto west = ParseNumber(args.Option("--west").value_or(""));
    const auto east = ParseNumber(args.Option("--east").value_or(""));
    const auto south = ParseNumber(args.Option("--south").value_or(""));
    const auto north = ParseNumber(args.Option("--north").value_or(""));
    if (!west || !east || !south || !north)
        return false;
    const CAssemblyContext context{app.m_strDatabaseFolder, "", &messages};
    CConsoleProgress progress("Looking for tiles");
    if (mesh == kMeshHybrid5m10m || mesh == kMeshHybrid1m5m10m) {
        const CHybridResult result = AssembleHybrid(app.m_area, mesh, -*west, -*east, *south, *north, context, &progress);
        app.m_bFound5m = result.found5m;
        app.m_bFound1m = result.found1m;
        return result.assembled;
    }
    return AssembleArea(app.m_area, AssemblyKind(mesh), -*west, -*east, *south, *north, context, &progress);
}

void PrintInfo(const CTessimDoc& doc, bool json)
{
    const MapInfoTexts info = doc.MapInfo();
    const CHeightGrid& g = doc.Grid();
    if (json) {
        CJsonObject object;
        object.Add("fileName", info.fileName)
            .Add("fileType", info.fileType)
            .Add("cols", g.m_nCols)
            .Add("rows", g.m_nRows)
            .Add("meshSize", g.m_nMeshSize)
            .Add("meshSize2", g.m_nMeshSize2)
            .Add("west", info.west)
            .Add("east", info.east)
            .Add("north", info.north)
            .Add("south", info.south)
            .Add("minHeight", g.m_fMinHeight)
            .Add("maxHeight", g.m_fMaxHeight)
            .Add("tiles", static_cast<int>(doc.TileList().size()))
            .Add("names", doc.Places().Display().Count());
        std::puts(object.Text().c_str());
        return;
    }
    std::printf("ファイル名      %s\nファイルタイプ  %s\n", info.fileName.c_str(), info.fileType.c_str());
    std::printf("東西の点数      %s\n南北の点数      %s\n", info.pointsEastWest.c_str(), info.pointsNorthSouth.c_str());
    std::printf("東西の間隔      %s\n南北の間隔      %s\n", info.spacingEastWest.c_str(), info.spacingNorthSouth.c_str());
    std::printf("西端経度        %s\n東端経度        %s\n", info.west.c_str(), info.east.c_str());
    std::printf("北端緯度        %s\n南端緯度        %s\n", info.north.c_str(), info.south.c_str());
    std::printf("標高            %.1f m - %.1f m\n", g.m_fMinHeight, g.m_fMaxHeight);
    std::printf("タイル数        %zu\n地名の数        %d\n", doc.TileList().size(), doc.Places().Display().Count());
}

// Writes the opened grid when --out asks for it, as a tile or an ASCII grid.
int WriteJoinedGrid(const CHeightGrid& grid, const std::optional<std::string>& out)
{
    if (!out)
        return kExitOk;
    const bool written = HasExtension(*out, ".asc") ? WriteAsciiGrid(grid, *out)
                                                    : grid.WriteTile(*out, TileWriteMode::Replace);
    if (written)
        return kExitOk;
    PrintError("ファイルが書き込めません: " + *out);
    return kExitFailure;
}

} // namespace

int RunOpen(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    const auto mesh = ParseNumber(args.Option("--mesh-setting").value_or(""));
    const bool area = mesh.has_value();
    if (const auto out = args.Option("--out"); out && !HasExtension(*out, ".asc") && !HasExtension(*out, ".3dm"))
        return UsageError("--out takes FILE.3dm or FILE.asc");
    if (area ? (!args.words.empty() || *mesh < 1 || *mesh > 5 || *mesh != static_cast<int>(*mesh))
             : args.words.size() != 1)
        return UsageError("open takes FILE, or --mesh-setting 1..5 --west W --east E --south S --north N");
    Session session;
    CPosixSystemServices system;
    session.settings.WriteSettingString("FileInit", "PlnDir", DeliveredPlaceFolder());
    CTessimApp app(session.settings, system, session.messages);
    app.m_strDatabaseFolder = args.Option("--database").value_or(ConfiguredDatabaseFolder());
    CConsoleHost host;
    CConsoleJobs jobs;
    CTessimDoc doc(app, host, jobs);
    if (area) {
        app.m_nMapKind = static_cast<int>(*mesh);
        app.m_nSourceKind = app.m_nMapKind == kMesh5m ? 6 : (app.m_nMapKind <= kMeshHybrid5m10m ? 5 : 0);
        if (!AssembleForMesh(app, app.m_nMapKind, args, session.messages)) {
            if (session.messages.Count() == 0)
                PrintError(kFileNotFoundMessage);
            return kExitFailure;
        }
        app.m_nOpenMode = 1;
    } else {
        app.m_nOpenMode = 0;
    }
    if (!doc.OpenDocument(area ? app.m_area.base.BaseFile() : args.words[0]))
        return kExitFailure;
    PrintInfo(doc, args.Has("--json"));
    return WriteJoinedGrid(doc.Grid(), args.Option("--out"));
}

} // namespace qb::cli
