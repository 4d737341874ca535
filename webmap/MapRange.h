#pragma once
#include "terrain/GeoBox.h"
#include "views/GridRange.h"

#include <optional>

namespace qb {

// The size of the grid a map's area holds.
struct GridSize {
    int cols = 0;
    int rows = 0;
};

// The box of a grid range within the area (east-positive degrees): columns
// measured from the west edge, rows from the north edge, each a 1/C or 1/R
// part of the area.
GeoBox BoxOfGridRange(const GeoBox& area, const GridRange& range, GridSize grid);

// The grid range of a box within the area, each edge rounded to the nearest
// point and clamped into the grid; none when the first and last column or
// the first and last row coincide (the box lies outside the area or is too
// thin), or the area is empty.
std::optional<GridRange> GridRangeOfBox(const GeoBox& area, const GeoBox& box, GridSize grid);

// The grid point nearest a point inside the area (columns and rows scaled by
// C and R, the last column and row kept inside the grid); none for an empty
// area or grid.
std::optional<GridPoint> GridPointOfPosition(const GeoBox& area, double lat, double lon, GridSize grid);

} // namespace qb
