#include "cli/View3dRequest.h"

#include "cli/DocumentSession.h"
#include "cli/PictureOptions.h"
#include "platform/PathText.h"
#include "render3d/Angles.h"

namespace qb::cli {
namespace {

// The option's number into `value` when it is given and lies in min ... max;
// false when it is given otherwise.
bool NumberOption(const Arguments& args, const char* name, double min, double max, double& value)
{
    const auto text = args.Option(name);
    if (!text)
        return true;
    const std::optional<double> number = ParseNumber(*text);
    if (!number || !(*number >= min && *number <= max))
        return false;
    value = *number;
    return true;
}

const char* ParseCamera(const Arguments& args, RenderCamera& camera)
{
    constexpr double kAnyAngle = 1e6;
    if (!NumberOption(args, "--azimuth", -kAnyAngle, kAnyAngle, camera.azimuth) ||
        !NumberOption(args, "--light-azimuth", -kAnyAngle, kAnyAngle, camera.lightAzimuth) ||
        !NumberOption(args, "--light-elevation", -kAnyAngle, kAnyAngle, camera.lightElevation))
        return "--azimuth, --light-azimuth and --light-elevation take degrees";
    if (!NumberOption(args, "--elevation", 0, 89, camera.elevation))
        return "--elevation takes 0 to 89 degrees";
    if (!NumberOption(args, "--distance", RenderCamera::kMinDistance, RenderCamera::kMaxDistance, camera.distance))
        return "--distance takes 1 to 80";
    camera.azimuth = WrapDegrees(camera.azimuth);
    camera.lightAzimuth = WrapDegrees(camera.lightAzimuth);
    camera.lightElevation = WrapDegrees(camera.lightElevation);
    return nullptr;
}

} // namespace

const char* ParseView3dRequest(const Arguments& args, View3dRequest& request)
{
    if (!args.error.empty())
        return args.error.c_str();
    if (args.words.size() != 2)
        return "view3d takes FILE OUT.png";
    request.input = args.words[0];
    request.output = args.words[1];
    if (!HasExtension(request.output, ".png"))
        return "the output must be a .png file";
    if (const char* error = ParseSizeOption(args, request.width, request.height))
        return error;
    if (!MeshSettingOf(args, request.meshSetting))
        return kMeshSettingUsage;
    if (const char* error = ParseCamera(args, request.camera))
        return error;
    request.names = args.Has("--names");
    return ParseSceneOptions(args, request.scene);
}

} // namespace qb::cli
