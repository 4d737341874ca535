#include "cli/MeshScene.h"

#include "cli/ConsoleSinks.h"
#include "cli/DocumentSession.h"
#include "platform/MemorySettingsStore.h"
#include "render3d/ViewMesh.h"

namespace qb::cli {
namespace {

std::string TooFewSamplesText(const GridRange& range, double step)
{
    const int across = SampleCount(range.colFirst, range.colLast, step);
    const int down = SampleCount(range.rowFirst, range.rowLast, step);
    return "the range gives " + std::to_string(across) + " x " + std::to_string(down) +
           " samples; the rendering view needs at least " + std::to_string(kMinSamplesPerSide) + " each way";
}

} // namespace

int BuildScene(const CHeightGrid& grid, const SceneOptions& options, MeshScene& scene)
{
    if (options.range && !FitsGrid(*options.range, grid)) {
        PrintError(RangeOutsideText(grid));
        return kExitFailure;
    }
    const GridRange range = options.RangeIn(grid);
    scene.samples = SampleRange(grid, range, options.resolution, options.exaggeration);
    if (scene.samples.Empty()) {
        PrintError(TooFewSamplesText(range, scene.samples.step));
        return kExitFailure;
    }
    CConsoleProgress progress("Building the mesh");
    CMemorySettingsStore store;
    if (BuildViewMesh(grid, scene.samples, options.exaggeration, store, options.colourScheme, &progress,
                      scene.mesh) != 1) {
        PrintError("the mesh could not be built");
        return kExitFailure;
    }
    return kExitOk;
}

const char* ParseSceneCommand(const Arguments& args, SceneOptions& options, std::optional<int>& meshSetting)
{
    if (!args.error.empty())
        return args.error.c_str();
    if (!MeshSettingOf(args, meshSetting))
        return kMeshSettingUsage;
    return ParseSceneOptions(args, options);
}

int OpenScene(const std::string& file, const Arguments& args, const SceneOptions& options,
              std::optional<int> meshSetting, MeshScene& scene)
{
    CDocumentSession session(DatabaseFolderOf(args));
    if (!session.OpenFile(file, meshSetting))
        return kExitFailure;
    return BuildScene(session.Doc().Grid(), options, scene);
}

} // namespace qb::cli
