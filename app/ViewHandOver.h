#pragma once
#include "app/ViewTemplates.h"
#include "views/GridRange.h"

#include <optional>
#include <vector>

namespace qb {

class ISettingsStore;

// A camera's angles in degrees.
struct ViewAngles {
    double rotate = 0.0;
    double tilt = 0.0;
    bool operator==(const ViewAngles&) const = default;
};

// The angles the show command's exchange starts from: the map view's stored
// "Viewer3D" "Rotate" and "Tilt" (30 and 15 degrees when unset).
ViewAngles StartingViewAngles(ISettingsStore& settings);

// What the show command hands the view it brings up: the range to show and,
// when they come along, the angles to show it at.
struct ViewHandOver {
    GridRange range;
    std::optional<ViewAngles> angles;
};

// The view of another kind the show command takes that from, and whether
// its angles come along.
struct HandOverSource {
    ViewKind from;
    bool withAngles;
    bool operator==(const HandOverSource&) const = default;
};

// The 2-D view takes the rendering view's range, else the map view's; the
// map view takes nothing; the rendering view takes the map view's range and
// angles, else the 2-D view's range. None when no such view is `present`.
std::optional<HandOverSource> HandOverSourceFor(ViewKind wanted, const std::vector<ViewKind>& present);

} // namespace qb
