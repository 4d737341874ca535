#pragma once
#include <string>

namespace qb {

class CExportSolid;

// Writes the solid as binary glTF 2.0 (.glb) for Blender and web viewers:
// metres, y up (x east, z south), one mesh of two primitives, the terrain
// and its sides, each with POSITION (with its bounds), NORMAL, COLOR_0
// (linear RGBA, unsigned short normalized) and uint32 triangle indices.
// False when the file can't be written or would pass the format's 4 GiB.
bool WriteGlb(const CExportSolid& solid, const std::string& path);

} // namespace qb
