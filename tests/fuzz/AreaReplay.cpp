// An area file read as an open reads it, the tile lists it names, and the
// area file the program would write for it read back.
#include "tests/fuzz/ReaderReplay.h"

#include "app/AreaFiles.h"
#include "app/AreaTiles.h"
#include "terrain/AreaAssembly.h"
#include "terrain/AreaRecord.h"
#include "tests/fuzz/InputFile.h"

#include <cstdint>

namespace qb::fuzz {
namespace {

// The open itself refuses areas above kMaxAreaFiles tiles; every tile is
// named alike, so a few dozen show all the naming does at a fraction of
// the time.
constexpr std::int64_t kMaxNamedTiles = 64;

// What an open does with the record before it reads any tile: the names
// and the tile paths (the mesh setting and pass only choose the folder and
// ending of a name); the sanitizers watch the arithmetic.
void NameTiles(const CAreaRecord& area)
{
    AreaFileName(area.AreaName());
    area.AreaNameUtf8();
    if (std::int64_t(area.Across()) * area.Down() <= kMaxNamedTiles)
        AreaTilePaths(area, kMesh10m, 1, "/db");
}

std::string RewriteFault(const CAreaRecord& area)
{
    const CAreaRecord written = AreaFileRecord(area);
    const CInputFile file(std::string_view(reinterpret_cast<const char*>(written.RawBytes().data()), kAreaRecordSize));
    CAreaRecord again;
    if (!ReadAreaFile(file.Path(), again))
        return "rewrite: the written area file does not read";
    if (again.AreaName() != area.AreaName() || again.BaseFile() != area.BaseFile() ||
        again.Across() != area.OldAcross() || again.Down() != area.OldDown() ||
        again.BaseColumn() != area.BaseColumn() || again.BaseRow() != area.BaseRow())
        return "rewrite: the written area file reads back changed";
    return {};
}

} // namespace

ReplayResult ReplayArea(std::string_view bytes)
{
    const CInputFile file(bytes);
    CAreaRecord area;
    ReplayResult result;
    result.accepted = ReadAreaFile(file.Path(), area);
    if (!result.accepted)
        return result;
    NameTiles(area);
    result.fault = RewriteFault(area);
    return result;
}

} // namespace qb::fuzz
