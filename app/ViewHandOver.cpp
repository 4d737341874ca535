#include "app/ViewHandOver.h"

#include "platform/SettingsStore.h"
#include "views/Viewer3D.h"

#include <algorithm>

namespace qb {

ViewAngles StartingViewAngles(ISettingsStore& settings)
{
    return ViewAngles{double(settings.GetSettingInt(kViewer3DSection, kRotateKey, kDefaultRotate)),
                      double(settings.GetSettingInt(kViewer3DSection, kTiltKey, kDefaultTilt))};
}

std::optional<HandOverSource> HandOverSourceFor(ViewKind wanted, const std::vector<ViewKind>& present)
{
    const auto has = [&present](ViewKind kind) { return std::find(present.begin(), present.end(), kind) != present.end(); };
    switch (wanted) {
    case ViewKind::TwoD:
        if (has(ViewKind::Rendering))
            return HandOverSource{ViewKind::Rendering, false};
        if (has(ViewKind::Map))
            return HandOverSource{ViewKind::Map, false};
        return std::nullopt;
    case ViewKind::Rendering:
        if (has(ViewKind::Map))
            return HandOverSource{ViewKind::Map, true};
        if (has(ViewKind::TwoD))
            return HandOverSource{ViewKind::TwoD, false};
        return std::nullopt;
    case ViewKind::Map:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace qb
