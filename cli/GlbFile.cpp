#include "cli/GlbFile.h"

#include "cli/BufferedFile.h"
#include "cli/ExportSolid.h"
#include "cli/GltfJson.h"
#include "cli/MeshAxes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace qb {
namespace {

constexpr std::uint32_t kGlbMagic = 0x46546C67;  // "glTF"
constexpr std::uint32_t kJsonChunk = 0x4E4F534A; // "JSON"
constexpr std::uint32_t kBinChunk = 0x004E4942;  // "BIN\0"

void Widen(GltfPart& part, const Vec3& p)
{
    for (int k = 0; k < 3; ++k) {
        part.low[k] = std::min(part.low[k], p[k]);
        part.high[k] = std::max(part.high[k], p[k]);
    }
}

GltfPart SurfacePart(const CExportSolid& solid)
{
    GltfPart part{solid.SurfaceVertexCount(), 3 * solid.SurfaceTriangleCount()};
    part.low = YUp(solid.SurfacePosition(0, 0));
    part.high = part.low;
    for (int row = 0; row < solid.Rows(); ++row)
        for (int column = 0; column < solid.Columns(); ++column)
            Widen(part, YUp(solid.SurfacePosition(column, row)));
    return part;
}

GltfPart SidePart(const CExportSolid& solid, std::int64_t offset)
{
    const auto& vertices = solid.SideVertices();
    GltfPart part{std::int64_t(vertices.size()), std::int64_t(solid.SideTriangles().size())};
    part.offset = offset;
    part.low = vertices.empty() ? Vec3{} : YUp(vertices.front().position);
    part.high = part.low;
    for (const SolidVertex& v : vertices)
        Widen(part, YUp(v.position));
    return part;
}

// glTF's vertex colours are linear; the program's are sRGB.
const std::array<std::uint16_t, 256>& LinearTable()
{
    static const std::array<std::uint16_t, 256> table = [] {
        std::array<std::uint16_t, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double s = i / 255.0;
            const double linear = s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            t[std::size_t(i)] = static_cast<std::uint16_t>(std::lround(linear * 65535.0));
        }
        return t;
    }();
    return table;
}

void PutColour(CBufferedFile& file, std::uint32_t argb)
{
    const auto& linear = LinearTable();
    const std::uint16_t rgba[4] = {linear[RedOf(argb)], linear[GreenOf(argb)], linear[BlueOf(argb)], 65535};
    file.Append(rgba, sizeof rgba);
}

void PutVertex(CBufferedFile& file, const SolidVertex& vertex)
{
    file.Put(YUp(vertex.position));
    file.Put(YUp(vertex.normal));
    PutColour(file, vertex.argb);
}

void PutSurface(CBufferedFile& file, const CExportSolid& solid)
{
    for (int row = 0; row < solid.Rows(); ++row)
        for (int column = 0; column < solid.Columns(); ++column)
            PutVertex(file, solid.SurfaceVertex(column, row));
    solid.ForEachSurfaceTriangle([&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        const std::uint32_t triangle[3] = {a, b, c};
        file.Append(triangle, sizeof triangle);
    });
}

void PutSides(CBufferedFile& file, const CExportSolid& solid)
{
    for (const SolidVertex& vertex : solid.SideVertices())
        PutVertex(file, vertex);
    const auto& indices = solid.SideTriangles();
    file.Append(indices.data(), indices.size() * sizeof(std::uint32_t));
}

void PutChunkHeader(CBufferedFile& file, std::int64_t length, std::uint32_t type)
{
    file.Put(static_cast<std::uint32_t>(length));
    file.Put(type);
}

} // namespace

bool WriteGlb(const CExportSolid& solid, const std::string& path)
{
    const GltfPart surface = SurfacePart(solid);
    const GltfPart sides = SidePart(solid, surface.Bytes());
    std::string json = GltfJson(surface, sides);
    json.resize((json.size() + 3) / 4 * 4, ' ');
    const std::int64_t binary = surface.Bytes() + sides.Bytes();
    const std::int64_t total = 12 + 8 + std::int64_t(json.size()) + 8 + binary;
    CBufferedFile file;
    if (total > std::numeric_limits<std::uint32_t>::max() || !file.Open(path))
        return false;
    file.Put(kGlbMagic);
    file.Put(std::uint32_t(2));
    file.Put(static_cast<std::uint32_t>(total));
    PutChunkHeader(file, std::int64_t(json.size()), kJsonChunk);
    file.Append(json);
    PutChunkHeader(file, binary, kBinChunk);
    PutSurface(file, solid);
    PutSides(file, solid);
    return file.Commit();
}

} // namespace qb
