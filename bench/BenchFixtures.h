#pragma once
#include "terrain/HeightGrid.h"

#include <memory>
#include <string>
#include <vector>

namespace qb::bench {

// One 10 m tile, one 50 m text mesh and a block of 4 x 4 tiles.
inline constexpr int kTileCols = 1125;
inline constexpr int kTileRows = 750;
inline constexpr int kMeshCols = 200;
inline constexpr int kMeshRows = 200;
inline constexpr int kBigCols = 4 * kTileCols;
inline constexpr int kBigRows = 4 * kTileRows;

// The fixture files of the benchmarks, written into a folder that exists:
// tile.3dm with tile.hdr (so that GDAL reads the same heights as ENVI raw
// data), mesh.mem, and on request big.3dm with big.hdr. The heights of the
// big block are made on first use.
class CBenchFixtures {
public:
    CBenchFixtures(const std::string& folder, bool withBigTile);

    std::string TilePath() const { return m_folder + "/tile.3dm"; }
    std::string MeshPath() const { return m_folder + "/mesh.mem"; }
    std::string BigTilePath() const { return m_folder + "/big.3dm"; }
    const std::vector<float>& BigHeights();

    // Corners of the big block, degrees.
    static constexpr double kBigWest = 139.0;
    static constexpr double kBigEast = 139.5;
    static constexpr double kBigSouth = 35.0;
    static constexpr double kBigNorth = 35.0 + 1.0 / 3.0;

private:
    std::string m_folder;
    std::vector<float> m_bigHeights;
};

// A 10 m grid holding a copy of `heights`, columns x rows; no extent.
std::unique_ptr<CHeightGrid> GridOf(const std::vector<float>& heights, int cols, int rows);

} // namespace qb::bench
