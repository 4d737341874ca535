#pragma once
#include <string>

namespace qb {

class CHeightGrid;

// The EPSG code of a grid's geographic coordinates: JGD2011 (6668) for the
// current datum, Tokyo (4301) for the old one.
int EpsgOfGrid(const CHeightGrid& grid);

// The coordinate system of an EPSG code as ESRI-flavoured WKT, the text of a
// .prj file; empty when GDAL does not know the code.
std::string EsriWktOfEpsg(int epsg);

// "OUT.prj" for "OUT.asc": the name GIS programs look for beside a grid.
std::string PrjPathBeside(const std::string& gridPath);

// Writes the .prj of the grid beside `gridPath` (through a temporary file);
// false when it could not be written.
bool WritePrjBeside(const CHeightGrid& grid, const std::string& gridPath);

} // namespace qb
