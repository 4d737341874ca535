// Reading and writing .3dm tiles.
#include "terrain/HeightGrid.h"

#include "platform/AtomicFile.h"
#include "platform/MessageSink.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <vector>

namespace qb {

static_assert(std::endian::native == std::endian::little,
              "tile heights are read and written as little-endian floats in place");

namespace {

struct FileCloser { void operator()(std::FILE* f) const { std::fclose(f); } };
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::int64_t OpenFileSize(std::FILE* file)
{
    struct stat st {};
    return ::fstat(::fileno(file), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

bool ReadHeader(std::FILE* file, TileHeaderBytes& header)
{
    header.fill(0);
    return std::fread(header.data(), 1, header.size(), file) == header.size();
}

// Reads up to `count` floats and marks the rest as no data; returns how many were read.
std::int64_t ReadHeights(std::FILE* file, float* heights, std::int64_t count)
{
    const auto got = static_cast<std::int64_t>(
        std::fread(heights, sizeof(float), static_cast<std::size_t>(count), file));
    std::fill(heights + got, heights + count, kNoData);
    return got;
}

bool IsSaneHeader(const TileHeader& h)
{
    if (h.columns <= 0 || h.rows <= 0 || std::int64_t(h.columns) * h.rows > kMaxGridPoints)
        return false;
    return std::isfinite(h.south) && std::isfinite(h.north) && std::isfinite(h.west) &&
           std::isfinite(h.east);
}

// The heights as a tile keeps them, the no-data value where the grid has none.
void WriteStoredHeights(const CHeightGrid& grid, CAtomicFileWriter& writer)
{
    const auto points = static_cast<std::size_t>(grid.m_nPoints);
    if (!grid.NoData().AnyMarked()) {
        writer.Write(grid.Heights(), points * sizeof(float));
        return;
    }
    constexpr std::size_t kChunk = 1 << 16;
    std::vector<float> chunk;
    for (std::size_t first = 0; first < points; first += kChunk) {
        chunk.resize(std::min(kChunk, points - first));
        for (std::size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = grid.StoredHeight(first + i);
        writer.Write(chunk.data(), chunk.size() * sizeof(float));
    }
}

} // namespace

int CHeightGrid::ReadTileHeader(const std::string& path, TileHeaderBytes& header)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    return file && ReadHeader(file.get(), header) ? 1 : 0;
}

int CHeightGrid::ReadTileHeights(const std::string& path, float* scratch, std::int64_t count)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return 0;
    TileHeaderBytes header;
    ReadHeader(file.get(), header);
    ReadHeights(file.get(), scratch, count);
    return 1;
}

int CHeightGrid::ReadTile(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return 0;
    FreeBuffers(true);
    if (!ReadHeader(file.get(), m_header) || !HasTileMagic(m_header))
        return RefuseFile();
    TileHeader h = DecodeTileHeader(m_header);
    if (!IsSaneHeader(h))
        return RefuseFile();
    // A cut-off copy is refused before anything is allocated: its missing
    // rows would otherwise pass for a tile with no data there.
    if (const std::string cut = CutOffTileDetail(OpenFileSize(file.get()), h); !cut.empty()) {
        ShowMessage(std::string(kNotDataFileMessage) + "\n" + cut);
        return 0;
    }

    m_nFileCols = h.columns;
    m_nFileRows = h.rows;
    m_nMeshSize = h.meshSize;
    m_nMeshSize2 = h.meshSize2;
    ClearSourceFacts();
    // The survey facts travel with the tile, so a tile read and written again
    // still competes fairly with other versions of itself.
    m_nValidPoints = h.validPoints;
    m_nDataDate = h.dataDate;
    if (h.datumFlag == 0 && m_env.datum) {
        double north = h.north, west = h.west, south = h.south, east = h.east;
        m_env.datum->ToNewDatum(north, west);
        m_env.datum->ToNewDatum(south, east);
        h.north = static_cast<float>(north);
        h.west = static_cast<float>(west);
        h.south = static_cast<float>(south);
        h.east = static_cast<float>(east);
        StoreCorners(m_header, h.south, h.west, h.north, h.east);
        StoreInt32(m_header.data() + tile_offset::kDatumFlag, 1);
        h.datumFlag = 1;
    }
    SetExtent(h.south, h.north, h.west, h.east);
    m_bNewDatum = h.datumFlag;

    const std::int64_t points = std::int64_t(h.columns) * h.rows;
    std::unique_ptr<float[]> heights(new (std::nothrow) float[static_cast<std::size_t>(points)]);
    if (!heights) {
        ShowMessage(kOutOfMemoryMessage);
        return 0;
    }
    ReadHeights(file.get(), heights.get(), points);
    AdoptHeights(std::move(heights), h.columns, h.rows);
    m_noData.MarkWhere(m_pHeights.get(), [](float v) { return v < kTileNoDataBelow; });
    UpdateMinMax();
    m_strPath = path;
    return 1;
}

int CHeightGrid::WriteTile(const std::string& path, TileWriteMode mode) const
{
    return WriteTileOutcome(path, mode) != TileWriteOutcome::Failed ? 1 : 0;
}

TileWriteOutcome CHeightGrid::WriteTileOutcome(const std::string& path, TileWriteMode mode) const
{
    if (!m_pHeights || m_nPoints <= 0)
        return TileWriteOutcome::Failed;
    // Of two versions of a tile the one with more valid points wins, and of
    // equals the later survey.
    TileHeaderBytes stored;
    if (mode == TileWriteMode::KeepBetter && ReadTileHeader(path, stored) && HasTileMagic(stored)) {
        const std::int32_t storedValid = LoadInt32(stored.data() + tile_offset::kValidPoints);
        const std::int32_t storedDate = LoadInt32(stored.data() + tile_offset::kDataDate);
        if (m_nValidPoints < storedValid || (m_nValidPoints == storedValid && m_nDataDate <= storedDate))
            return TileWriteOutcome::KeptExisting;
    }
    TileHeader h;
    h.columns = m_nCols;
    h.rows = m_nRows;
    h.meshSize = m_nMeshSize;
    h.meshSize2 = m_nMeshSize2;
    h.validPoints = m_nValidPoints;
    h.dataDate = m_nDataDate;
    h.south = m_fSouth;
    h.west = m_fWest;
    h.north = m_fNorth;
    h.east = m_fEast;
    const TileHeaderBytes bytes = EncodeTileHeader(h);

    CAtomicFileWriter writer;
    if (!writer.Open(path))
        return TileWriteOutcome::Failed;
    writer.Write(bytes.data(), bytes.size());
    WriteStoredHeights(*this, writer);
    return writer.Commit() ? TileWriteOutcome::Written : TileWriteOutcome::Failed;
}

} // namespace qb
