#pragma once
#include <string>
#include <string_view>

namespace qb::fuzz {

// What a reader made of one input: it accepted the bytes or refused them;
// `fault` names a promise the reader broke on the way (a grid whose counts
// disagree, a saved file that does not read back), empty when there is none.
struct ReplayResult {
    bool accepted = false;
    std::string fault;
};

using Replay = ReplayResult (*)(std::string_view bytes);

// Each feeds the bytes to a reader of outside bytes through the entry points
// the program uses, and on to what the program does next with what was read.
ReplayResult ReplayTile(std::string_view bytes);      // .3dm: single open, join, overlay
ReplayResult ReplayTextMesh(std::string_view bytes);  // .mem / .sem: single open, join
ReplayResult ReplayXml(std::string_view bytes);       // elevation XML and its tile name
ReplayResult ReplayZip(std::string_view bytes);       // .zip and the XML members in it
ReplayResult ReplayPlaces(std::string_view bytes);    // .pln as system file and as user file
ReplayResult ReplayArea(std::string_view bytes);      // .ARE and the tile list it names
ReplayResult ReplayWebMessage(std::string_view bytes);  // the map page's messages, one a line
ReplayResult ReplayGlobe(std::string_view bytes);       // japan.GLL, the globe's data file

struct ReplayTarget {
    const char* name;  // the fuzz target and its folder of regression inputs
    Replay replay;
};
inline constexpr ReplayTarget kReplayTargets[] = {
    {"tile", ReplayTile}, {"textmesh", ReplayTextMesh}, {"xml", ReplayXml},
    {"zip", ReplayZip},   {"places", ReplayPlaces},     {"area", ReplayArea},
    {"webmessage", ReplayWebMessage}, {"globe", ReplayGlobe},
};

} // namespace qb::fuzz
