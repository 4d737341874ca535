#pragma once

namespace qb {

// The web map's zoom level that shows an area of the given size in square
// degrees: 6 for more than 3, one level more for each step down to 18.
int MapZoomForArea(double squareDegrees);

} // namespace qb
