#pragma once
#include <string>

namespace qb {

class CExportSolid;

// Writes the solid as binary STL for 3-D printing: metres, z up, every
// triangle with its outward face normal; the surface, the walls and the
// bottom close it. False when the file can't be written.
bool WriteStl(const CExportSolid& solid, const std::string& path);

} // namespace qb
