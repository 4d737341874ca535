// Joining the .3dm tiles of an area into one grid, with the hybrid overlays.
#include "terrain/HeightGrid.h"

#include "terrain/AreaRecord.h"
#include "platform/FileRead.h"
#include "platform/MessageSink.h"
#include "platform/Progress.h"
#include "terrain/TileHeader.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace qb {
namespace {

// A real tile holds at most a few million points; a header promising more is
// damaged and its tile is left out of the join.
constexpr std::int64_t kMaxTilePoints = 100'000'000;

constexpr std::string_view kCutOffTilesLeftOutMessage =
    "途中で切れているタイルを除きました (その範囲はデータなしになります):";

// Empty for a tile whose file holds all its header promises; else the
// detail, with the tile's path, to add to kCutOffTilesLeftOutMessage.
std::string CutOffLine(const std::string& path, const TileHeader& header)
{
    const std::string detail = CutOffTileDetail(FileSize(path), header);
    return detail.empty() ? detail : "\n" + path + ": " + detail;
}

// The first point of an overlay tile along one axis of the grid, from the
// tile's corner. Corners far off the grid, and corners that give no position
// at all, put the tile just outside it, where the copy clips every point.
std::int64_t OverlayIndex(double position, std::int64_t tileSpan, std::int64_t gridSpan)
{
    if (!std::isfinite(position))
        return gridSpan;
    return std::llround(std::clamp(position, double(-tileSpan), double(gridSpan)));
}

bool Cancelled(IProgress* progress)
{
    return progress && progress->IsCancelled();
}

bool ReadSaneHeader(const std::string& path, TileHeader& header)
{
    TileHeaderBytes bytes;
    if (!CHeightGrid::ReadTileHeader(path, bytes) || !HasTileMagic(bytes))
        return false;
    header = DecodeTileHeader(bytes);
    return header.columns > 0 && header.rows > 0 &&
           std::int64_t(header.columns) * header.rows <= kMaxTilePoints;
}

// The common facts of the tiles of a join: the last header read gives the
// points per tile, spacings and datum; the extent spans all tiles.
struct JoinFacts {
    TileHeader last;
    float south = 0, west = 0, north = 0, east = 0;
    bool any = false;
};

} // namespace

void CHeightGrid::FinishJoinedHeights(const CAreaRecord& area)
{
    float highest = -9999.0f, lowest = 9999.0f;
    float* h = m_pHeights.get();
    for (std::int64_t i = 0; i < m_nPoints; ++i) {
        highest = std::max(highest, h[i]);
        if (h[i] > kTileNoDataBelow)
            lowest = std::min(lowest, h[i]);
    }
    // An area without a single height keeps 0 where it has none.
    if (lowest == 9999.0f)
        lowest = 0.0f;
    for (std::int64_t i = 0; i < m_nPoints; ++i) {
        if (h[i] < kTileNoDataBelow) {
            h[i] = lowest;
            m_noData.Mark(i);
        }
    }
    m_nValidPoints = static_cast<std::int32_t>(DataPoints());
    m_fMinHeight = lowest;
    m_fMaxHeight = std::max(highest, lowest);
    m_strPath = area.ListFlag() ? area.AreaNameUtf8() : area.BaseFile();
}

int CHeightGrid::JoinTiles(const std::vector<std::string>& tiles, const CAreaRecord& area, IProgress* progress,
                           int meshSetting, int pass)
{
    const int across = area.Across(), down = area.Down();
    const auto n = static_cast<std::int64_t>(tiles.size());
    if (across <= 0 || down <= 0 || n != std::int64_t(across) * down)
        return 0;
    m_nFileType = FileTypeOfPath(tiles.front());
    m_bJoined = 1;
    if (pass == 1)
        FreeBuffers(true);

    // Only whole tiles give the facts: a cut-off tile's header alone must
    // not size the grid.
    JoinFacts facts;
    std::string cutOff;
    const std::int64_t step = std::max<std::int64_t>(1, n / 20);
    for (std::int64_t t = 0; t < n; ++t) {
        TileHeader h;
        const bool sane = ReadSaneHeader(tiles[t], h);
        const std::string cut = sane ? CutOffLine(tiles[t], h) : std::string();
        cutOff += cut;
        if (sane && cut.empty()) {
            facts.south = facts.any ? std::min(facts.south, h.south) : h.south;
            facts.west = facts.any ? std::min(facts.west, h.west) : h.west;
            facts.north = facts.any ? std::max(facts.north, h.north) : h.north;
            facts.east = facts.any ? std::max(facts.east, h.east) : h.east;
            facts.last = h;
            facts.any = true;
        }
        if (progress && t % step == 0) {
            progress->Report(static_cast<std::int64_t>(0.2 * t), n);
            if (Cancelled(progress))
                return 0;
        }
    }
    if (!cutOff.empty())
        ShowMessage(std::string(kCutOffTilesLeftOutMessage) + cutOff);
    if (!facts.any)
        return 0;
    const TileHeader& h = facts.last;
    const std::int64_t cols = std::int64_t(h.columns) * across, rows = std::int64_t(h.rows) * down;
    if (cols * rows > kMaxGridPoints) {
        ShowMessage("範囲が広すぎます。");
        return 0;
    }
    m_nFileCols = h.columns;
    m_nFileRows = h.rows;
    m_nMeshSize = h.meshSize;
    m_nMeshSize2 = h.meshSize2;
    if (progress)
        progress->SetMeshSize(h.meshSize);
    m_bNewDatum = h.datumFlag;
    if (pass == 1) {
        SetExtent(facts.south, facts.north, facts.west, facts.east);
        std::unique_ptr<float[]> heights(new (std::nothrow) float[static_cast<std::size_t>(cols * rows)]);
        if (!heights) {
            ShowMessage(kOutOfMemoryMessage);
            return 0;
        }
        std::fill(heights.get(), heights.get() + cols * rows, kNoData);
        AdoptHeights(std::move(heights), static_cast<int>(cols), static_cast<int>(rows));
    }
    if (!IsInsideJapan())
        m_bNewDatum = 1;
    if (!PlaceTiles(tiles, across, pass, progress))
        return 0;
    FinishJoinedHeights(area);
    return RefineHybrid(meshSetting, pass, progress);
}

int CHeightGrid::PlaceTiles(const std::vector<std::string>& tiles, int across, int pass, IProgress* progress)
{
    const auto n = static_cast<std::int64_t>(tiles.size());
    const std::size_t perTile = static_cast<std::size_t>(m_nFileCols) * static_cast<std::size_t>(m_nFileRows);
    std::vector<float> scratch(perTile);
    for (std::int64_t t = 0; t < n; ++t) {
        TileHeader h;
        // A tile of other dimensions than the rest can't be placed, and a
        // cut-off one (named by the join already) is not trusted; both count as missing.
        const bool fits = ReadSaneHeader(tiles[t], h) && h.columns == m_nFileCols && h.rows == m_nFileRows &&
                          CutOffLine(tiles[t], h).empty();
        if (fits && ReadTileHeights(tiles[t], scratch.data(), static_cast<std::int64_t>(perTile))) {
            std::int64_t row = (t / across) * std::int64_t(m_nFileRows);
            std::int64_t col = (t % across) * std::int64_t(m_nFileCols);
            if (pass > 1)
                OverlayPosition(h, row, col);
            CopyTile(scratch.data(), row, col, pass > 1);
        }
        if (progress && (t + 1) % across == 0) {
            progress->Report(static_cast<std::int64_t>(0.2 * n + 0.8 * (t + 1)), n);
            if (Cancelled(progress))
                return 0;
        }
    }
    return 1;
}

void CHeightGrid::OverlayPosition(const TileHeader& tile, std::int64_t& row, std::int64_t& col) const
{
    // An overlay area may hold fewer cells than the base area, so its tiles are
    // placed by their own corners: the extent spans whole cells of m_nCols x
    // m_nRows points.
    if (m_fEast != m_fWest)
        col = OverlayIndex((double(tile.west) - m_fWest) / (double(m_fEast) - m_fWest) * m_nCols, m_nFileCols,
                           m_nCols);
    if (m_fNorth != m_fSouth)
        row = OverlayIndex((double(m_fNorth) - tile.north) / (double(m_fNorth) - m_fSouth) * m_nRows, m_nFileRows,
                           m_nRows);
}

void CHeightGrid::CopyTile(const float* tile, std::int64_t firstRow, std::int64_t firstCol, bool overlay)
{
    // Whatever of a tile falls outside the grid is clipped.
    const std::int64_t c0 = std::max<std::int64_t>(0, -firstCol);
    const std::int64_t c1 = std::min<std::int64_t>(m_nFileCols, m_nCols - firstCol);
    for (std::int64_t r = std::max<std::int64_t>(0, -firstRow); r < m_nFileRows; ++r) {
        const std::int64_t row = firstRow + r;
        if (row >= m_nRows)
            return;
        const float* from = tile + r * m_nFileCols;
        const std::int64_t first = row * m_nCols + firstCol;
        float* to = m_pHeights.get() + first;
        if (!overlay) {
            std::copy(from + c0, from + c1, to + c0);
            continue;
        }
        // An overlay gives data where it has heights above 0.
        for (std::int64_t c = c0; c < c1; ++c) {
            if (from[c] > 0.0f) {
                to[c] = from[c];
                m_noData.Unmark(first + c);
            }
        }
    }
}

int CHeightGrid::RefineHybrid(int meshSetting, int pass, IProgress* progress)
{
    int factor = 0;
    if (m_nMeshSize == 10 && m_nMeshSize2 == 10 && (meshSetting == 3 || meshSetting == 5) && pass == 1)
        factor = 2;
    else if (m_nMeshSize == 5 && m_nMeshSize2 == 5 && meshSetting == 5 && pass == 2)
        factor = 5;
    if (factor == 0)
        return 1;
    if (progress)
        progress->SetInterpolating(true);
    const int refined = Refine(factor, progress);
    if (progress)
        progress->SetInterpolating(false);
    return refined;
}

} // namespace qb
