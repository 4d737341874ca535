#include "bench/BenchFixtures.h"

#include "tests/support/MemFile.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace qb::bench {
namespace {

constexpr std::uint32_t kTileSeed = 1125750;
constexpr std::uint32_t kMeshSeed = 533805;
constexpr std::uint32_t kBigSeed = 45003000;

void WriteTileWithHeader(const std::string& tilePath, const std::vector<float>& heights, int cols, int rows,
                         double west, double east, double south, double north)
{
    const std::unique_ptr<CHeightGrid> grid = GridOf(heights, cols, rows);
    grid->m_fWest = static_cast<float>(west);
    grid->m_fEast = static_cast<float>(east);
    grid->m_fSouth = static_cast<float>(south);
    grid->m_fNorth = static_cast<float>(north);
    if (!grid->WriteTile(tilePath, TileWriteMode::Replace))
        throw std::runtime_error("cannot write " + tilePath);

    // The points are cell centres for GDAL.
    const double dx = (east - west) / (cols - 1);
    const double dy = (north - south) / (rows - 1);
    const test::EnviMapInfo mapInfo{west - dx / 2, north + dy / 2, dx, dy};
    const std::string hdr = std::filesystem::path(tilePath).replace_extension(".hdr").string();
    test::WriteFileBytes(hdr, test::TileEnviHeader(cols, rows, &mapInfo));
}

} // namespace

std::unique_ptr<CHeightGrid> GridOf(const std::vector<float>& heights, int cols, int rows)
{
    auto grid = std::make_unique<CHeightGrid>();
    auto copy = std::make_unique<float[]>(heights.size());
    std::copy(heights.begin(), heights.end(), copy.get());
    grid->AdoptHeights(std::move(copy), cols, rows);
    grid->m_nMeshSize = grid->m_nMeshSize2 = 10;
    return grid;
}

CBenchFixtures::CBenchFixtures(const std::string& folder, bool withBigTile) : m_folder(folder)
{
    WriteTileWithHeader(TilePath(), test::CSyntheticTerrain(kTileSeed).Grid(kTileCols, kTileRows), kTileCols,
                        kTileRows, 139.0, 139.125, 35.0, 35.0 + 1.0 / 12.0);
    test::MemFileSpec mesh;
    mesh.tenths = test::CSyntheticTerrain(kMeshSeed).Tenths(mesh.columns, mesh.rows);
    test::WriteMemFile(MeshPath(), mesh);
    if (withBigTile)
        WriteTileWithHeader(BigTilePath(), BigHeights(), kBigCols, kBigRows, kBigWest, kBigEast, kBigSouth,
                            kBigNorth);
}

const std::vector<float>& CBenchFixtures::BigHeights()
{
    if (m_bigHeights.empty())
        m_bigHeights = test::CSyntheticTerrain(kBigSeed).Grid(kBigCols, kBigRows);
    return m_bigHeights;
}

} // namespace qb::bench
