#pragma once

namespace qb {

class RenderCamera;

// The light dialog's choice, relative to the camera: one of eight 45-degree
// sectors of the light's azimuth from the camera's (0 "奥", 1 "右奥", 2 "右",
// 3 "右手前", 4 "手前", 5 "左手前", 6 "左", 7 "左奥") and a height
// (0 "高い", 1 "中間", 2 "低い": 70, 45 or 30 degrees below the camera).
struct LightChoice {
    int direction = 0;
    int height = 0;
};

// The choice that describes the camera's current light. A light at the
// camera's own elevation counts as low, the nearest of the three heights.
LightChoice LightChoiceOf(const RenderCamera& camera);
// Moves the light to the chosen direction and height; its distance stays.
void ApplyLightChoice(RenderCamera& camera, const LightChoice& choice);

} // namespace qb
