#include "cli/CliSupport.h"
#include "terrain/MeshNaming.h"

#include <cstdio>

namespace qb::cli {

int RunTileName(const Arguments& args)
{
    if (args.words.size() != 3)
        return UsageError("tilename takes LAT LON SPACING");
    const auto lat = ParseNumber(args.words[0]);
    const auto lon = ParseNumber(args.words[1]);
    const auto spacing = ParseNumber(args.words[2]);
    if (!lat || !lon || !spacing || (*spacing != 10 && *spacing != 5 && *spacing != 1))
        return UsageError("LAT and LON are decimal degrees, SPACING is 10, 5 or 1");
    std::puts(TileNameFor(*lat, *lon, static_cast<int>(*spacing)).c_str());
    return kExitOk;
}

int RunNeighbour(const Arguments& args)
{
    if (args.words.size() != 3)
        return UsageError("neighbour takes NAME DX DY");
    const auto dx = ParseNumber(args.words[1]);
    const auto dy = ParseNumber(args.words[2]);
    if (!dx || !dy || *dx != static_cast<int>(*dx) || *dy != static_cast<int>(*dy))
        return UsageError("DX and DY are whole numbers of cells");
    const std::string name = NeighbourName(args.words[0], static_cast<int>(*dx), static_cast<int>(*dy));
    if (name.empty()) {
        PrintError("隣のファイル名が作れません: " + args.words[0]);
        return kExitFailure;
    }
    std::puts(name.c_str());
    return kExitOk;
}

} // namespace qb::cli
