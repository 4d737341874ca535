#pragma once
#include <string>

namespace qb {

class CHeightGrid;

// Writes the grid as an ESRI ASCII grid that GDAL and QGIS read: cell
// centres at the grid points, rows from north to south, -9999 where the grid
// has no data. Each height is written in the shortest form that reads back to
// the same float. Returns 1 on success, 0 when the file can't be written.
int WriteAsciiGrid(const CHeightGrid& grid, const std::string& path);

} // namespace qb
