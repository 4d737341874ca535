// A .mem / .sem text mesh opened by itself and joined as an area of one tile.
#include "tests/fuzz/ReaderReplay.h"

#include "terrain/AreaRecord.h"
#include "terrain/HeightGrid.h"
#include "tests/fuzz/GridCheck.h"
#include "tests/fuzz/InputFile.h"

namespace qb::fuzz {

ReplayResult ReplayTextMesh(std::string_view bytes)
{
    const CInputFile mesh(bytes);
    CHeightGrid single;
    const bool accepted = single.ReadTextMesh(mesh.Path()) == 1;
    std::string fault = GridFault(accepted, single, "open");
    CHeightGrid joined;
    if (fault.empty())
        fault = GridFault(joined.JoinTextMeshes({mesh.Path()}, OneTileArea(), nullptr) == 1, joined, "join");
    return {accepted, fault};
}

} // namespace qb::fuzz
