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

const char* ParseGridOptions(const Arguments& args, View3dRequest& request)
{
    double resolution = double(request.resolution), scheme = request.colourScheme;
    if (!NumberOption(args, "--resolution", 900, 67108864, resolution) || resolution != double(std::int64_t(resolution)))
        return "--resolution takes a number of points from 900 to 67108864";
    if (!NumberOption(args, "--exaggeration", 0.1, 10, request.exaggeration))
        return "--exaggeration takes 0.1 to 10";
    if (!NumberOption(args, "--colour-scheme", 0, 7, scheme) || scheme != double(int(scheme)))
        return "--colour-scheme takes 0 to 7";
    request.resolution = std::int64_t(resolution);
    request.colourScheme = int(scheme);
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
    if (const char* error = ParseRangeOption(args, request.range))
        return error;
    if (!MeshSettingOf(args, request.meshSetting))
        return kMeshSettingUsage;
    if (const char* error = ParseCamera(args, request.camera))
        return error;
    request.names = args.Has("--names");
    return ParseGridOptions(args, request);
}

} // namespace qb::cli
