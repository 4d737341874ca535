#include "cli/StlFile.h"

#include "cli/BufferedFile.h"
#include "cli/ExportSolid.h"
#include "cli/SolidRows.h"

#include <cstdint>
#include <limits>

namespace qb {
namespace {

constexpr std::size_t kHeaderSize = 80;

// One 50-byte record: normal, three corners, no attribute bytes.
void PutTriangle(CBufferedFile& file, const Vec3& a, const Vec3& b, const Vec3& c)
{
    file.Put(FaceNormal(a, b, c));
    file.Put(a);
    file.Put(b);
    file.Put(c);
    file.Put(std::uint16_t(0));
}

void PutHeader(CBufferedFile& file, std::uint32_t triangles)
{
    // Not starting with "solid": that would read as a text STL.
    std::string header = "Quarrenby terrain, metres, z up";
    header.resize(kHeaderSize, ' ');
    file.Append(header);
    file.Put(triangles);
}

} // namespace

bool WriteStl(const CExportSolid& solid, const std::string& path)
{
    const std::int64_t triangles =
        solid.SurfaceTriangleCount() + static_cast<std::int64_t>(solid.SideTriangles().size() / 3);
    if (triangles > std::numeric_limits<std::uint32_t>::max())
        return false;
    CBufferedFile file;
    if (!file.Open(path))
        return false;
    PutHeader(file, static_cast<std::uint32_t>(triangles));
    CSolidRows rows(solid);
    solid.ForEachSurfaceTriangle([&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        // Copies: a third row may push out the row of an earlier corner.
        const Vec3 pa = rows.Position(a), pb = rows.Position(b), pc = rows.Position(c);
        PutTriangle(file, pa, pb, pc);
    });
    const auto& vertices = solid.SideVertices();
    const auto& sides = solid.SideTriangles();
    const auto corner = [&](std::size_t i) { return vertices[sides[i]].position; };
    for (std::size_t i = 0; i + 2 < sides.size(); i += 3)
        PutTriangle(file, corner(i), corner(i + 1), corner(i + 2));
    return file.Commit();
}

} // namespace qb
