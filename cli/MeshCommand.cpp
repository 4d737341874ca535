// mesh: what the rendering view would build of a file, without drawing it.
#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "cli/MeshScene.h"

#include <cstdio>

namespace qb::cli {
namespace {

void PrintJson(const MeshScene& scene)
{
    const TerrainMesh& m = scene.mesh;
    CJsonObject json;
    json.Add("step", scene.samples.step)
        .Add("samplesAcross", scene.samples.columns)
        .Add("samplesDown", scene.samples.rows)
        .Add("blocks", m.layout.BlockCount())
        .Add("blockCols", m.layout.blockCols)
        .Add("blockRows", m.layout.blockRows)
        .Add("rowsUsed", m.layout.rowsUsed)
        .Add("vertices", m.VertexCount())
        .Add("triangles", m.TriangleCount())
        .AddJson("target", JsonArray({JsonNumber(m.target[0]), JsonNumber(m.target[1]), JsonNumber(m.target[2])}))
        .AddJson("extent", JsonArray({JsonNumber(m.extent[0]), JsonNumber(m.extent[1])}));
    std::puts(json.Text().c_str());
}

void PrintText(const MeshScene& scene)
{
    const TerrainMesh& m = scene.mesh;
    std::printf("Step:          %.2f\n", scene.samples.step);
    std::printf("Samples:       %d across x %d down\n", scene.samples.columns, scene.samples.rows);
    std::printf("Blocks:        %d of %d x %d points, %d rows shown\n", m.layout.BlockCount(), m.layout.blockCols,
                m.layout.blockRows, m.layout.rowsUsed);
    std::printf("Vertices:      %lld\n", static_cast<long long>(m.VertexCount()));
    std::printf("Triangles:     %lld\n", static_cast<long long>(m.TriangleCount()));
    std::printf("Target:        %g %g %g\n", m.target[0], m.target[1], m.target[2]);
    std::printf("Extent:        %g x %g\n", m.extent[0], m.extent[1]);
}

} // namespace

int RunMesh(const Arguments& args)
{
    SceneOptions options;
    std::optional<int> meshSetting;
    if (const char* error = ParseSceneCommand(args, options, meshSetting))
        return UsageError(error);
    if (args.words.size() != 1)
        return UsageError("mesh takes one FILE");
    MeshScene scene;
    if (const int status = OpenScene(args.words[0], args, options, meshSetting, scene); status != kExitOk)
        return status;
    if (args.Has("--json"))
        PrintJson(scene);
    else
        PrintText(scene);
    return kExitOk;
}

} // namespace qb::cli
