#pragma once
#include <array>
#include <string>

namespace qb {

class CHeightGrid;

// GDAL's geotransform of a grid whose points are cell centres: the west and
// north edges half a spacing outside the outer points, rows from north to south.
std::array<double, 6> GeoTransformOf(const CHeightGrid& grid);

// Writes the grid as a single-band float32 GeoTIFF in its datum's geographic
// coordinate system, -9999 where it has no data (deflate-compressed, tiled).
// The file is built in memory and replaces `path` only once complete. Returns
// false when the grid has fewer than 2 x 2 points or the file can't be written.
bool WriteGeoTiff(const CHeightGrid& grid, const std::string& path);

} // namespace qb
