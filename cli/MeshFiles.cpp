#include "cli/MeshFiles.h"

#include "cli/ExportSolid.h"
#include "cli/GlbFile.h"
#include "cli/ObjFile.h"
#include "cli/StlFile.h"
#include "platform/PathText.h"

namespace qb {

bool IsMeshFilePath(const std::string& path)
{
    return HasExtension(path, ".glb") || HasExtension(path, ".stl") || HasExtension(path, ".obj");
}

bool WriteMeshFile(const TerrainMesh& mesh, const std::string& path)
{
    const CExportSolid solid(mesh);
    if (solid.Columns() < 2 || solid.Rows() < 2)
        return false;
    if (HasExtension(path, ".glb"))
        return WriteGlb(solid, path);
    if (HasExtension(path, ".stl"))
        return WriteStl(solid, path);
    return HasExtension(path, ".obj") && WriteObj(solid, path);
}

} // namespace qb
