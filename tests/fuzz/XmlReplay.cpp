// Elevation XML read as a conversion reads it, and the name of its tile.
#include "tests/fuzz/ReaderReplay.h"

#include "terrain/ByteSource.h"
#include "terrain/HeightGrid.h"
#include "tests/fuzz/GridCheck.h"

namespace qb::fuzz {

ReplayResult ReplayXml(std::string_view bytes)
{
    CMemoryByteSource source(bytes);
    CHeightGrid grid;
    ReplayResult result;
    result.accepted = grid.ImportXml(source, "fuzz.xml", true) == 1;
    result.fault = GridFault(result.accepted, grid, "import");
    if (!result.accepted)
        return result;
    // A conversion names the tile from its corners next; the sanitizers
    // watch that arithmetic on whatever corners the file gave.
    grid.MakeTileName();
    return result;
}

} // namespace qb::fuzz
