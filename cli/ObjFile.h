#pragma once
#include <string>

namespace qb {

class CExportSolid;

// Writes the solid as a Wavefront OBJ text: metres, y up (x east, z south),
// "v x y z r g b" with the vertex colours from 0 to 1, "vn" normals and
// triangles "f a//a b//b c//c"; the walls and the bottom have vertices of
// their own, so their flat normals and dark red stay theirs. False when the
// file can't be written.
bool WriteObj(const CExportSolid& solid, const std::string& path);

} // namespace qb
