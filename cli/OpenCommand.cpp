#include "cli/CliSupport.h"
#include "cli/DocumentSession.h"
#include "cli/GridFiles.h"
#include "cli/JsonWriter.h"

#include "terrain/AreaAssembly.h"
#include "terrain/ZipArchive.h"

#include <cstdio>

namespace qb::cli {
namespace {

// The box of --west, --east, --south and --north, when all are numbers.
std::optional<GeoBox> BoundsOf(const Arguments& args)
{
    const auto west = ParseNumber(args.Option("--west").value_or(""));
    const auto east = ParseNumber(args.Option("--east").value_or(""));
    const auto south = ParseNumber(args.Option("--south").value_or(""));
    const auto north = ParseNumber(args.Option("--north").value_or(""));
    if (!west || !east || !south || !north)
        return std::nullopt;
    return GeoBox{.south = *south, .north = *north, .west = *west, .east = *east};
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

// Writes the opened grid when --out asks for it, as a tile, an ASCII grid or a GeoTIFF.
int WriteJoinedGrid(const CHeightGrid& grid, const std::optional<std::string>& out)
{
    return out ? WriteGridOrSay(grid, *out) : kExitOk;
}

bool HasAnyBound(const Arguments& args)
{
    return args.Option("--west") || args.Option("--east") || args.Option("--south") || args.Option("--north");
}

// The subfolder of the database whose tiles make the base of an area of the mesh setting.
std::string BaseTileFolder(const std::string& database, int mesh)
{
    return database + (mesh == kMesh5m ? "/5m" : mesh == kMesh1m ? "/1m" : "/10m");
}

// Opens the tiles of the mesh setting found in a rectangle; where none is
// found and the assembly said nothing, names the folder looked in.
bool OpenRectangle(CDocumentSession& session, int mesh, const GeoBox& bounds, const std::string& database)
{
    if (session.FindAreaTiles(mesh, bounds))
        return session.OpenFoundArea();
    if (session.Console().messages.Count() == 0)
        PrintError(FileNotFoundText(BaseTileFolder(database, mesh) + " に範囲内のタイルがありません"));
    return false;
}

constexpr const char* kOpenUsage =
    "open takes FILE [--mesh-setting 0..5], or --mesh-setting 1..5 --west W --east E --south S --north N";

} // namespace

int RunOpen(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    std::optional<int> mesh;
    if (!MeshSettingOf(args, mesh))
        return UsageError(kMeshSettingUsage);
    if (const auto out = args.Option("--out"); out && !IsGridFilePath(*out))
        return UsageError("--out takes FILE.3dm, FILE.asc or FILE.tif");
    const std::optional<GeoBox> bounds = BoundsOf(args);
    const bool file = args.words.size() == 1 && !HasAnyBound(args);
    const bool rectangle = args.words.empty() && bounds && mesh && *mesh != kMeshDisc;
    if (!file && !rectangle)
        return UsageError(kOpenUsage);
    const std::string database = DatabaseFolderOf(args);
    CDocumentSession session(database);
    if (!(file ? session.OpenFile(args.words[0], mesh) : OpenRectangle(session, *mesh, *bounds, database)))
        return kExitFailure;
    PrintInfo(session.Doc(), args.Has("--json"));
    return WriteJoinedGrid(session.Doc().Grid(), args.Option("--out"));
}

} // namespace qb::cli
