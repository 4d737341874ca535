#include "app/AreaMove.h"

#include "terrain/MeshNaming.h"

#include <algorithm>

namespace qb {
namespace {

// Whole tiles needed to cover `excess` points of tiles `perTile` points long.
int TilesFor(int excess, int perTile)
{
    return excess <= 0 ? 0 : (excess + perTile - 1) / perTile;
}

// The base file `tiles` east and `north` tiles north of the record's base,
// written in the form of the base file (folder, suffix and extension kept).
std::optional<std::string> ShiftedBaseFile(const std::string& base, int east, int north)
{
    const std::string here = NeighbourName(base, 0, 0);
    const std::string there = NeighbourName(base, east, north);
    if (here.empty() || there.empty())
        return std::nullopt;
    // Text meshes are named by their whole path.
    if (here == base)
        return there;
    const std::size_t slash = base.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t at = base.find(here, nameStart);
    if (at == std::string::npos)
        return std::nullopt;
    return base.substr(0, at) + there + base.substr(at + here.size());
}

bool ShiftRecord(CAreaRecord& record, int east, int north)
{
    const auto file = ShiftedBaseFile(record.BaseFile(), east, north);
    return file && record.SetBaseFile(*file);
}

// An overlay record moves by the same distance: its tiles per base tile.
void ShiftOverlay(CAreaRecord& overlay, const CAreaRecord& base, int east, int north)
{
    if (overlay.Across() <= 0 || overlay.Down() <= 0 || overlay.BaseFile().empty())
        return;
    const int perTileX = std::max(1, overlay.Across() / base.Across());
    const int perTileY = std::max(1, overlay.Down() / base.Down());
    if (!ShiftRecord(overlay, east * perTileX, north * perTileY))
        overlay = CAreaRecord();
}

GridRange KeptInside(GridRange r, int cols, int rows)
{
    const int width = r.colLast - r.colFirst;
    const int height = r.rowLast - r.rowFirst;
    r.colFirst = std::clamp(r.colFirst, 0, std::max(0, cols - 1 - width));
    r.rowFirst = std::clamp(r.rowFirst, 0, std::max(0, rows - 1 - height));
    r.colLast = std::min(cols - 1, r.colFirst + width);
    r.rowLast = std::min(rows - 1, r.rowFirst + height);
    return r;
}

} // namespace

CAreaRecords SingleFileArea(const std::string& path)
{
    CAreaRecords areas;
    areas.base.SetMagic(kAreaMagic);
    areas.base.SetBaseFile(path);
    areas.base.SetCounts(1, 1);
    areas.base.SetOldCounts(1, 1);
    areas.base.SetLayoutMark(kAreaLayoutMark);
    return areas;
}

std::optional<AreaMove> MoveAreaPast(const CAreaRecords& current, int direction, const GridRange& shifted,
                                     int gridCols, int gridRows)
{
    const CAreaRecord& base = current.base;
    if (base.Across() <= 0 || base.Down() <= 0 || gridCols < base.Across() || gridRows < base.Down())
        return std::nullopt;
    const int colsPerTile = gridCols / base.Across();
    const int rowsPerTile = gridRows / base.Down();
    int east = 0;
    int north = 0;
    switch (direction) {
    case kMoveEast: east = TilesFor(shifted.colLast - (gridCols - 1), colsPerTile); break;
    case kMoveWest: east = -TilesFor(-shifted.colFirst, colsPerTile); break;
    case kMoveNorth: north = TilesFor(-shifted.rowFirst, rowsPerTile); break;
    case kMoveSouth: north = -TilesFor(shifted.rowLast - (gridRows - 1), rowsPerTile); break;
    default: return std::nullopt;
    }
    if (east == 0 && north == 0)
        return std::nullopt;
    AreaMove move{current, shifted};
    if (!ShiftRecord(move.areas.base, east, north))
        return std::nullopt;
    ShiftOverlay(move.areas.fiveMetre, base, east, north);
    ShiftOverlay(move.areas.oneMetre, base, east, north);
    move.range.colFirst -= east * colsPerTile;
    move.range.colLast -= east * colsPerTile;
    move.range.rowFirst += north * rowsPerTile;
    move.range.rowLast += north * rowsPerTile;
    move.range = KeptInside(move.range, gridCols, gridRows);
    return move;
}

} // namespace qb
