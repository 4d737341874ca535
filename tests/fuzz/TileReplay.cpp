// A .3dm tile opened by itself, joined as an area of one tile and laid as a
// 5 m overlay over a small base tile.
#include "tests/fuzz/ReaderReplay.h"

#include "terrain/AreaAssembly.h"
#include "terrain/AreaRecord.h"
#include "terrain/HeightGrid.h"
#include "terrain/TileHeader.h"
#include "tests/fuzz/GridCheck.h"
#include "tests/fuzz/InputFile.h"

#include <vector>

namespace qb::fuzz {
namespace {

// A complete 5 m tile of 15 x 10 points near 35.25 N 138.5 E, every height 100 m.
std::string BaseTileBytes()
{
    TileHeader h;
    h.columns = 15;
    h.rows = 10;
    h.meshSize = h.meshSize2 = 5;
    h.validPoints = h.columns * h.rows;
    h.dataDate = 20161001;
    h.south = 35.25f;
    h.west = 138.5f;
    h.north = 35.2583f;
    h.east = 138.5125f;
    const TileHeaderBytes header = EncodeTileHeader(h);
    std::string bytes(header.begin(), header.end());
    const std::vector<float> heights(static_cast<std::size_t>(h.columns * h.rows), 100.0f);
    bytes.append(reinterpret_cast<const char*>(heights.data()), heights.size() * sizeof(float));
    return bytes;
}

} // namespace

ReplayResult ReplayTile(std::string_view bytes)
{
    static const CInputFile base(BaseTileBytes());
    const CInputFile tile(bytes);
    const std::vector<std::string> tiles{tile.Path()};

    CHeightGrid single;
    const bool accepted = single.ReadTile(tile.Path()) == 1;
    std::string fault = GridFault(accepted, single, "open");

    CHeightGrid joined;
    if (fault.empty())
        fault = GridFault(joined.JoinTiles(tiles, OneTileArea(), nullptr, kMesh10m, 1) == 1, joined, "join");

    CHeightGrid overlaid;
    if (fault.empty() && overlaid.JoinTiles({base.Path()}, OneTileArea(), nullptr, kMeshHybrid1m5m10m, 1))
        fault = GridFault(overlaid.JoinTiles(tiles, OneTileArea(), nullptr, kMeshHybrid1m5m10m, 2) == 1,
                          overlaid, "overlay");
    return {accepted, fault};
}

} // namespace qb::fuzz
