#pragma once
#include "terrain/AreaRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qb::bench {

// The database of the join and area-opening benchmarks, written into a folder
// that exists:
// - "10m": the 4 x 4 tiles of 1125 x 750 points (4500 x 3000 in all) of the
//   secondary cells 5239-40 to 5239-73 (139.0 to 139.5 E, 35.0 to 35.333 N),
//   plausible terrain, each with an ENVI header (header offset 128, map info
//   of the cell's edges) through which GDAL reads and places it;
// - "5m": tiles of 225 x 150 points of the same terrain over the 2 x 2 cells
//   in the middle, missing in 3 of every 10 tenth cells as real coverage is.
class CJoinFixtures {
public:
    static constexpr int kAcross = 4, kDown = 4;
    static constexpr int kTileCols = 1125, kTileRows = 750;
    static constexpr double kWest = 139.0, kEast = 139.5, kSouth = 35.0, kNorth = 35.0 + 1.0 / 3.0;

    explicit CJoinFixtures(std::string folder);

    const std::string& Folder() const { return m_folder; }
    // The 10 m tiles row by row from the north-west one, and the area they make.
    const std::vector<std::string>& Tiles10m() const { return m_tiles10m; }
    const CAreaRecord& Area10m() const { return m_area10m; }
    // The bytes of the 10 m tile files, headers included.
    std::int64_t Bytes10m() const;
    int Tiles5m() const { return m_nTiles5m; }

private:
    std::string m_folder;
    std::vector<std::string> m_tiles10m;
    CAreaRecord m_area10m;
    int m_nTiles5m = 0;
};

} // namespace qb::bench
