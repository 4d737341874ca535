#include "cli/GlbFile.h"

#include "cli/BufferedFile.h"
#include "cli/ExportSolid.h"
#include "cli/JsonWriter.h"
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
constexpr int kFloat = 5126, kUnsignedShort = 5123, kUnsignedInt = 5125;
constexpr int kArrayBuffer = 34962, kElementArrayBuffer = 34963;
// A vertex interleaved: position, normal, colour (four unsigned shorts).
constexpr int kNormalOffset = 12, kColourOffset = 24, kVertexBytes = 32;

// What one primitive holds: its vertices, then its indices, from `offset` in the buffer.
struct Part {
    std::int64_t vertices = 0, indices = 0;
    Vec3 low{}, high{};
    std::int64_t offset = 0;
    std::int64_t VertexBytes() const { return vertices * kVertexBytes; }
    std::int64_t IndexBytes() const { return indices * 4; }
    std::int64_t Bytes() const { return VertexBytes() + IndexBytes(); }
};

void Widen(Part& part, const Vec3& p)
{
    for (int k = 0; k < 3; ++k) {
        part.low[k] = std::min(part.low[k], p[k]);
        part.high[k] = std::max(part.high[k], p[k]);
    }
}

Part SurfacePart(const CExportSolid& solid)
{
    Part part{solid.SurfaceVertexCount(), 3 * solid.SurfaceTriangleCount()};
    part.low = YUp(solid.SurfacePosition(0, 0));
    part.high = part.low;
    for (int row = 0; row < solid.Rows(); ++row)
        for (int column = 0; column < solid.Columns(); ++column)
            Widen(part, YUp(solid.SurfacePosition(column, row)));
    return part;
}

Part SidePart(const CExportSolid& solid, std::int64_t offset)
{
    const auto& vertices = solid.SideVertices();
    Part part{std::int64_t(vertices.size()), std::int64_t(solid.SideTriangles().size())};
    part.offset = offset;
    part.low = vertices.empty() ? Vec3{} : YUp(vertices.front().position);
    part.high = part.low;
    for (const SolidVertex& v : vertices)
        Widen(part, YUp(v.position));
    return part;
}

std::string JsonVec3(const Vec3& v)
{
    return JsonArray({JsonNumber(v[0]), JsonNumber(v[1]), JsonNumber(v[2])});
}

void AddViews(const Part& p, std::vector<std::string>& views)
{
    views.push_back(CJsonObject()
                        .Add("buffer", 0)
                        .Add("byteOffset", p.offset)
                        .Add("byteLength", p.VertexBytes())
                        .Add("byteStride", kVertexBytes)
                        .Add("target", kArrayBuffer)
                        .Text());
    views.push_back(CJsonObject()
                        .Add("buffer", 0)
                        .Add("byteOffset", p.offset + p.VertexBytes())
                        .Add("byteLength", p.IndexBytes())
                        .Add("target", kElementArrayBuffer)
                        .Text());
}

// A vertex attribute of the part whose vertices lie in bufferView `view`.
CJsonObject Attribute(const Part& p, int view, int offset, int componentType, const char* type)
{
    CJsonObject attribute;
    attribute.Add("bufferView", view).Add("byteOffset", offset).Add("componentType", componentType);
    attribute.Add("count", p.vertices).Add("type", type);
    return attribute;
}

void AddAccessors(const Part& p, int firstView, std::vector<std::string>& accessors)
{
    accessors.push_back(Attribute(p, firstView, 0, kFloat, "VEC3")
                            .AddJson("min", JsonVec3(p.low))
                            .AddJson("max", JsonVec3(p.high))
                            .Text());
    accessors.push_back(Attribute(p, firstView, kNormalOffset, kFloat, "VEC3").Text());
    accessors.push_back(Attribute(p, firstView, kColourOffset, kUnsignedShort, "VEC4").Add("normalized", true).Text());
    accessors.push_back(CJsonObject()
                            .Add("bufferView", firstView + 1)
                            .Add("componentType", kUnsignedInt)
                            .Add("count", p.indices)
                            .Add("type", "SCALAR")
                            .Text());
}

std::string Primitive(int firstAccessor)
{
    const std::string attributes = CJsonObject()
                                       .Add("POSITION", firstAccessor)
                                       .Add("NORMAL", firstAccessor + 1)
                                       .Add("COLOR_0", firstAccessor + 2)
                                       .Text();
    return CJsonObject().AddJson("attributes", attributes).Add("indices", firstAccessor + 3).Add("material", 0).Add("mode", 4).Text();
}

std::string GltfJson(const Part& surface, const Part& sides)
{
    std::vector<std::string> views, accessors;
    AddViews(surface, views);
    AddViews(sides, views);
    AddAccessors(surface, 0, accessors);
    AddAccessors(sides, 2, accessors);
    const std::string pbr = CJsonObject()
                                .AddJson("baseColorFactor", "[1,1,1,1]")
                                .Add("metallicFactor", 0)
                                .Add("roughnessFactor", 1)
                                .Text();
    const std::string mesh =
        CJsonObject().Add("name", "terrain").AddJson("primitives", JsonArray({Primitive(0), Primitive(4)})).Text();
    return CJsonObject()
        .AddJson("asset", CJsonObject().Add("version", "2.0").Add("generator", "Quarrenby").Text())
        .Add("scene", 0)
        .AddJson("scenes", JsonArray({CJsonObject().AddJson("nodes", "[0]").Text()}))
        .AddJson("nodes", JsonArray({CJsonObject().Add("name", "terrain").Add("mesh", 0).Text()}))
        .AddJson("meshes", JsonArray({mesh}))
        .AddJson("materials", JsonArray({CJsonObject().Add("name", "terrain").AddJson("pbrMetallicRoughness", pbr).Text()}))
        .AddJson("buffers", JsonArray({CJsonObject().Add("byteLength", surface.Bytes() + sides.Bytes()).Text()}))
        .AddJson("bufferViews", JsonArray(views))
        .AddJson("accessors", JsonArray(accessors))
        .Text();
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
    const Part surface = SurfacePart(solid);
    const Part sides = SidePart(solid, surface.Bytes());
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
