#include "cli/ObjFile.h"

#include "cli/BufferedFile.h"
#include "cli/ExportSolid.h"
#include "cli/MeshAxes.h"

#include <charconv>

namespace qb {
namespace {

void AppendFloat(std::string& line, float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    line += ' ';
    line.append(buffer, result.ptr);
}

void AppendChannel(std::string& line, std::uint32_t channel)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, channel / 255.0f, std::chars_format::fixed, 4);
    line += ' ';
    line.append(buffer, result.ptr);
}

void PutVertex(CBufferedFile& file, std::string& line, const SolidVertex& vertex)
{
    line = "v";
    for (const float c : YUp(vertex.position))
        AppendFloat(line, c);
    AppendChannel(line, RedOf(vertex.argb));
    AppendChannel(line, GreenOf(vertex.argb));
    AppendChannel(line, BlueOf(vertex.argb));
    line += "\nvn";
    for (const float c : YUp(vertex.normal))
        AppendFloat(line, c);
    line += '\n';
    file.Append(line);
}

// A triangle of 0-based vertex numbers, each also its normal's.
void PutFace(CBufferedFile& file, std::string& line, std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    line = "f";
    for (const std::uint64_t v : {a + 1, b + 1, c + 1}) {
        const std::string number = std::to_string(v);
        line.append(" ").append(number).append("//").append(number);
    }
    line += '\n';
    file.Append(line);
}

} // namespace

bool WriteObj(const CExportSolid& solid, const std::string& path)
{
    CBufferedFile file;
    if (!file.Open(path))
        return false;
    file.Append("# Quarrenby terrain: metres, y up, x east, z south\no terrain\n");
    std::string line;
    for (int row = 0; row < solid.Rows(); ++row)
        for (int column = 0; column < solid.Columns(); ++column)
            PutVertex(file, line, solid.SurfaceVertex(column, row));
    for (const SolidVertex& vertex : solid.SideVertices())
        PutVertex(file, line, vertex);
    solid.ForEachSurfaceTriangle(
        [&](std::uint32_t a, std::uint32_t b, std::uint32_t c) { PutFace(file, line, a, b, c); });
    const auto offset = static_cast<std::uint64_t>(solid.SurfaceVertexCount());
    const auto& sides = solid.SideTriangles();
    for (std::size_t i = 0; i + 2 < sides.size(); i += 3)
        PutFace(file, line, offset + sides[i], offset + sides[i + 1], offset + sides[i + 2]);
    return file.Commit();
}

} // namespace qb
