#include "cli/CliSupport.h"
#include "cli/GridFiles.h"
#include "cli/MeshFiles.h"
#include "cli/MeshScene.h"

namespace qb::cli {
namespace {

bool HasSceneOption(const Arguments& args)
{
    for (const char* name : {"--range", "--resolution", "--exaggeration", "--colour-scheme", "--mesh-setting"})
        if (args.Option(name))
            return true;
    return false;
}

int ExportGrid(const Arguments& args)
{
    if (HasSceneOption(args))
        return UsageError("--range, --resolution, --exaggeration, --colour-scheme and --mesh-setting are for .glb, "
                          ".stl and .obj");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    return WriteGridOrSay(grid, args.words[1]);
}

int ExportMesh(const Arguments& args)
{
    SceneOptions options;
    std::optional<int> meshSetting;
    if (const char* error = ParseSceneCommand(args, options, meshSetting))
        return UsageError(error);
    MeshScene scene;
    if (const int status = OpenScene(args.words[0], args, options, meshSetting, scene); status != kExitOk)
        return status;
    if (WriteMeshFile(scene.mesh, args.words[1]))
        return kExitOk;
    PrintError("ファイルが書き込めません: " + args.words[1]);
    return kExitFailure;
}

} // namespace

int RunExport(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    if (args.words.size() != 2)
        return UsageError("export takes FILE OUT");
    const std::string& out = args.words[1];
    if (IsMeshFilePath(out))
        return ExportMesh(args);
    if (IsGridFilePath(out))
        return ExportGrid(args);
    return UsageError("OUT must end in .3dm, .asc, .tif, .glb, .stl or .obj");
}

} // namespace qb::cli
