#include "bench/JoinFixtures.h"

#include "terrain/HeightGrid.h"
#include "terrain/MeshNaming.h"
#include "tests/support/MemFile.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>

namespace qb::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kTerrainSeed = 52394073;
constexpr double kCellWidth = 0.125, kCellHeight = 1.0 / 12.0;

// Writes a tile of cols x rows points from height(row, col) whose edges are
// the given ones, and returns its path (folder/NAME.3dm by its corner).
std::string WriteTile(const std::string& folder, int cols, int rows, int spacing, double south, double west,
                      double north, double east, const std::function<float(int, int)>& height)
{
    CHeightGrid tile;
    auto heights = std::make_unique<float[]>(std::size_t(cols) * std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            heights[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = height(r, c);
    tile.AdoptHeights(std::move(heights), cols, rows);
    tile.m_fSouth = float(south);
    tile.m_fWest = float(west);
    tile.m_fNorth = float(north);
    tile.m_fEast = float(east);
    tile.m_nMeshSize = tile.m_nMeshSize2 = spacing;
    tile.m_bNewDatum = 1;
    tile.m_nDataDate = 20240401;
    const std::string path = folder + "/" + TileNameFor(south, west, spacing);
    if (!tile.WriteTile(path, TileWriteMode::Replace))
        throw std::runtime_error("cannot write " + path);
    return path;
}

} // namespace

CJoinFixtures::CJoinFixtures(std::string folder) : m_folder(std::move(folder))
{
    fs::create_directories(m_folder + "/10m");
    fs::create_directories(m_folder + "/5m");
    fs::create_directories(m_folder + "/place");
    const test::CSyntheticTerrain terrain(kTerrainSeed);
    const int cols = kAcross * kTileCols, rows = kDown * kTileRows;
    const std::vector<float> heights = terrain.Grid(cols, rows);
    for (int y = 0; y < kDown; ++y) {
        for (int x = 0; x < kAcross; ++x) {
            const double north = kNorth - y * kCellHeight, west = kWest + x * kCellWidth;
            m_tiles10m.push_back(WriteTile(m_folder + "/10m", kTileCols, kTileRows, 10, north - kCellHeight, west,
                                           north, west + kCellWidth, [&](int r, int c) {
                                               return heights[std::size_t(y * kTileRows + r) * cols +
                                                              std::size_t(x * kTileCols + c)];
                                           }));
            const test::EnviMapInfo edges{west, north, kCellWidth / kTileCols, kCellHeight / kTileRows};
            test::WriteFileBytes(fs::path(m_tiles10m.back()).replace_extension(".hdr").string(),
                                 test::TileEnviHeader(kTileCols, kTileRows, &edges));
            // The 5 m tenth cells of the middle cells: point (r, c) of the 5 m grid lies
            // where point (r / 2, c / 2) of the 10 m grid does.
            if (x < 1 || x > 2 || y < 1 || y > 2)
                continue;
            for (int lat = 0; lat < 10; ++lat) {
                for (int lon = 0; lon < 10; ++lon) {
                    if ((3 * lat + 7 * lon) % 10 < 3)
                        continue;
                    const int row0 = 2 * (y * kTileRows) + (9 - lat) * 150, col0 = 2 * (x * kTileCols) + lon * 225;
                    const double south = north - kCellHeight + lat * kCellHeight / 10;
                    const double tenthWest = west + lon * kCellWidth / 10;
                    WriteTile(m_folder + "/5m", 225, 150, 5, south, tenthWest, south + kCellHeight / 10,
                              tenthWest + kCellWidth / 10, [&](int r, int c) {
                                  return float(terrain.Metres((col0 + c) / 2.0 / (cols - 1),
                                                              (row0 + r) / 2.0 / (rows - 1)));
                              });
                    ++m_nTiles5m;
                }
            }
        }
    }
    m_area10m.SetCounts(kAcross, kDown);
    if (!m_area10m.SetBaseFile(m_tiles10m.front()))
        throw std::runtime_error("the fixture folder's path is too long");
}

std::int64_t CJoinFixtures::Bytes10m() const
{
    std::int64_t bytes = 0;
    for (const std::string& path : m_tiles10m)
        bytes += static_cast<std::int64_t>(fs::file_size(path));
    return bytes;
}

} // namespace qb::bench
