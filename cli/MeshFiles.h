#pragma once
#include <string>

namespace qb {

struct TerrainMesh;

// Whether a path names a mesh file the tool writes: glTF binary (.glb),
// binary STL (.stl) or Wavefront OBJ (.obj).
bool IsMeshFilePath(const std::string& path);

// Writes the mesh with its sides as a solid in metres, in the kind its path
// names, through a temporary file; false when it can't be written.
bool WriteMeshFile(const TerrainMesh& mesh, const std::string& path);

} // namespace qb
