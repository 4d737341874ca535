#pragma once
#include <string>

namespace qb {

class CHeightGrid;

// Whether a path names a grid file the tool writes: a .3dm tile, an ASCII
// grid (.asc, with its .prj) or a GeoTIFF (.tif, .tiff).
bool IsGridFilePath(const std::string& path);

// Writes the grid in the kind its path names, each file through a temporary
// one. Empty on success, else the name of the file that could not be written.
std::string WriteGridFile(const CHeightGrid& grid, const std::string& path);

} // namespace qb
