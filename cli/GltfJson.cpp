#include "cli/GltfJson.h"

#include "cli/JsonWriter.h"

#include <vector>

namespace qb {
namespace {

constexpr int kFloat = 5126, kUnsignedShort = 5123, kUnsignedInt = 5125;
constexpr int kArrayBuffer = 34962, kElementArrayBuffer = 34963;

std::string JsonVec3(const Vec3& v)
{
    return JsonArray({JsonNumber(v[0]), JsonNumber(v[1]), JsonNumber(v[2])});
}

void AddViews(const GltfPart& p, std::vector<std::string>& views)
{
    views.push_back(CJsonObject()
                        .Add("buffer", 0)
                        .Add("byteOffset", p.offset)
                        .Add("byteLength", p.VertexBytes())
                        .Add("byteStride", kGltfVertexBytes)
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
CJsonObject Attribute(const GltfPart& p, int view, int offset, int componentType, const char* type)
{
    CJsonObject attribute;
    attribute.Add("bufferView", view).Add("byteOffset", offset).Add("componentType", componentType);
    attribute.Add("count", p.vertices).Add("type", type);
    return attribute;
}

void AddAccessors(const GltfPart& p, int firstView, std::vector<std::string>& accessors)
{
    accessors.push_back(Attribute(p, firstView, 0, kFloat, "VEC3")
                            .AddJson("min", JsonVec3(p.low))
                            .AddJson("max", JsonVec3(p.high))
                            .Text());
    accessors.push_back(Attribute(p, firstView, kGltfNormalOffset, kFloat, "VEC3").Text());
    accessors.push_back(
        Attribute(p, firstView, kGltfColourOffset, kUnsignedShort, "VEC4").Add("normalized", true).Text());
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
    return CJsonObject()
        .AddJson("attributes", attributes)
        .Add("indices", firstAccessor + 3)
        .Add("material", 0)
        .Add("mode", 4)
        .Text();
}

} // namespace

std::string GltfJson(const GltfPart& surface, const GltfPart& sides)
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
    const std::string material = CJsonObject().Add("name", "terrain").AddJson("pbrMetallicRoughness", pbr).Text();
    const std::string mesh =
        CJsonObject().Add("name", "terrain").AddJson("primitives", JsonArray({Primitive(0), Primitive(4)})).Text();
    return CJsonObject()
        .AddJson("asset", CJsonObject().Add("version", "2.0").Add("generator", "Quarrenby").Text())
        .Add("scene", 0)
        .AddJson("scenes", JsonArray({CJsonObject().AddJson("nodes", "[0]").Text()}))
        .AddJson("nodes", JsonArray({CJsonObject().Add("name", "terrain").Add("mesh", 0).Text()}))
        .AddJson("meshes", JsonArray({mesh}))
        .AddJson("materials", JsonArray({material}))
        .AddJson("buffers", JsonArray({CJsonObject().Add("byteLength", surface.Bytes() + sides.Bytes()).Text()}))
        .AddJson("bufferViews", JsonArray(views))
        .AddJson("accessors", JsonArray(accessors))
        .Text();
}

} // namespace qb
