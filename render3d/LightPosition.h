#pragma once
#include <array>
#include <string_view>

namespace qb {

inline constexpr std::string_view kLightPositionTitle = "光源の位置";
// The directions by index, clockwise from straight ahead of the camera.
inline constexpr std::array<std::string_view, 8> kLightDirectionTexts = {
    "奥(&1)", "右奥(&2)", "右(&3)", "右手前(&4)", "手前(&5)", "左手前(&6)", "左(&7)", "左奥(&8)"};
inline constexpr std::array<std::string_view, 3> kLightHeightTexts = {"高い(&H)", "中間(&M)", "低い(&L)"};

// Where the light stands as seen from the camera: one of eight directions
// (45° sectors of the azimuth difference) and one of three heights.
struct LightChoice {
    int direction = 0; // 0 ... 7
    int height = 0;    // 0 high, 1 middle, 2 low
    bool operator==(const LightChoice&) const = default;
};

struct LightAngles {
    double azimuth = 0;   // degrees, -180 ... <180
    double elevation = 0; // degrees, -180 ... <180
};

// The choice the light dialog opens with for a light at `light` and a camera
// at `camera`. A light level with the camera counts as low, the choice
// nearest to it; one exactly 45° lower counts as middle, where that choice
// puts it.
LightChoice LightChoiceOf(const LightAngles& camera, const LightAngles& light);
// The light's angles for a choice, relative to the camera's.
LightAngles LightAnglesOf(const LightChoice& choice, const LightAngles& camera);

} // namespace qb
