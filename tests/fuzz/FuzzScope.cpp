#include "tests/fuzz/FuzzScope.h"

#include "terrain/TextMeshFormat.h"
#include "terrain/XmlScanner.h"

namespace qb::fuzz {

bool TextMeshInScope(std::string_view bytes)
{
    using namespace text_mesh;
    CLineReader reader(bytes);
    const std::string_view header = reader.Next(kFirstLineLimit);
    return std::int64_t(FieldInt(header, kColumnsPos, 3)) * FieldInt(header, kRowsPos, 3) <= kMaxFuzzedPoints;
}

bool XmlInScope(std::string_view bytes)
{
    const auto high = xml_scan::PairAfter(bytes.substr(0, xml_scan::kWindow), "<gml:high>");
    if (!high)
        return true;
    const double columns = high->first + 1, rows = high->second + 1;
    return columns <= 0 || rows <= 0 || columns * rows <= double(kMaxFuzzedPoints);
}

} // namespace qb::fuzz
