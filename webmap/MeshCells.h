#pragma once
#include "terrain/GeoBox.h"

#include <optional>
#include <string_view>

namespace qb {

// The spacing of the mesh-cell lines the map draws and snaps to: primary
// cells (1 degree of longitude by 2/3 of latitude) for the 250 m disc,
// secondary cells (0.125 by 1/12) for every other source kind.
struct MeshSteps {
    double lon = 0.0;
    double lat = 0.0;
};
inline constexpr int kPrimaryCellSourceKind = 4;
MeshSteps MeshStepsOfSourceKind(int sourceKind);

// The value moved to the nearest multiple of step, halves rounding up.
double SnapToStep(double value, double step);

// The box with the corners (lat1, lon1) and (lat2, lon2), put in order.
GeoBox BoxOfCorners(double lat1, double lon1, double lat2, double lon2);
// The part of box inside area (edges max / min by edge; may come out inverted
// when they do not overlap).
GeoBox ClampToArea(const GeoBox& box, const GeoBox& area);
// Whether the point lies inside the box, edges included.
bool BoxHolds(const GeoBox& box, double lat, double lon);

// The secondary cell of a tile named after it ("6443-20..."): characters 1-2
// and 3-4 the primary cell, 6 and 7 the secondary cell within it. None for a
// name that does not spell a cell there.
std::optional<GeoBox> CellOfTileName(std::string_view name);

} // namespace qb
