#include "webmap/MapRange.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

// trunc(value + 0.5) clamped into 0 .. count-1; none when not finite.
std::optional<int> RoundIntoAxis(double value, int count)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return static_cast<int>(std::clamp(value + 0.5, 0.0, double(count - 1)));
}

bool IsUsable(const GeoBox& area, GridSize grid)
{
    return grid.cols > 0 && grid.rows > 0 && area.east != area.west && area.north != area.south;
}

} // namespace

GeoBox BoxOfGridRange(const GeoBox& area, const GridRange& range, GridSize grid)
{
    const double width = area.east - area.west;
    const double height = area.north - area.south;
    GeoBox box;
    box.west = area.west + range.colFirst * width / grid.cols;
    box.east = area.west + range.colLast * width / grid.cols;
    box.south = area.south + (grid.rows - range.rowLast) * height / grid.rows;
    box.north = area.south + (grid.rows - range.rowFirst) * height / grid.rows;
    return box;
}

std::optional<GridRange> GridRangeOfBox(const GeoBox& area, const GeoBox& box, GridSize grid)
{
    if (!IsUsable(area, grid))
        return std::nullopt;
    const double width = area.east - area.west;
    const double height = area.north - area.south;
    const auto colFirst = RoundIntoAxis((box.west - area.west) * grid.cols / width, grid.cols);
    const auto colLast = RoundIntoAxis((box.east - area.west) * grid.cols / width, grid.cols);
    const auto rowFirst = RoundIntoAxis(grid.rows - (box.north - area.south) * grid.rows / height, grid.rows);
    const auto rowLast = RoundIntoAxis(grid.rows - (box.south - area.south) * grid.rows / height, grid.rows);
    if (!colFirst || !colLast || !rowFirst || !rowLast || *colFirst == *colLast || *rowFirst == *rowLast)
        return std::nullopt;
    return GridRange{.colFirst = *colFirst, .rowFirst = *rowFirst, .colLast = *colLast, .rowLast = *rowLast};
}

std::optional<GridPoint> GridPointOfPosition(const GeoBox& area, double lat, double lon, GridSize grid)
{
    if (!IsUsable(area, grid))
        return std::nullopt;
    const auto col = RoundIntoAxis(grid.cols * (lon - area.west) / (area.east - area.west), grid.cols);
    const auto row = RoundIntoAxis(grid.rows * (lat - area.north) / (area.south - area.north), grid.rows);
    if (!col || !row)
        return std::nullopt;
    return GridPoint{.col = *col, .row = *row};
}

} // namespace qb
