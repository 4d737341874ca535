#pragma once
#include "terrain/AreaRecord.h"
#include "views/GridRange.h"

#include <optional>
#include <string>

namespace qb {

// The area to open when a view moves past the edge of the loaded grid: the
// same number of tiles, shifted by as many tiles as the view needs, and the
// range that shows the moved view in the new grid.
struct AreaMove {
    CAreaRecords areas;
    GridRange range;
};

// The area of a grid opened from one file: one tile, the file itself.
CAreaRecords SingleFileArea(const std::string& path);

// Shifts `current` (the area a grid of gridCols x gridRows points was joined
// from) so that `shifted`, a range of that grid moved in `direction` (1 east,
// 2 west, 3 north, 4 south), lies inside the new area's grid. The 5 m and
// 1 m records of a hybrid area move by the same distance. None when the
// base file has no neighbours (no tile name) or the area is empty.
std::optional<AreaMove> MoveAreaPast(const CAreaRecords& current, int direction, const GridRange& shifted,
                                     int gridCols, int gridRows);

} // namespace qb
