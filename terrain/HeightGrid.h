#pragma once
#include "terrain/NoDataMask.h"
#include "terrain/TerrainEnv.h"
#include "terrain/TileHeader.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class CAreaRecord;
class IByteSource;
class IProgress;

inline constexpr float kNoData = -9999.0f;
// A tile's heights below this are no data.
inline constexpr float kTileNoDataBelow = -999.0f;
// The largest grid the program builds: the refinement refuses anything bigger,
// and no tile header may promise more.
inline constexpr std::int64_t kMaxGridPoints = 2'000'000'000;

// WriteTile keeps an existing tile that is at least as good as the grid
// (more valid points, or as many and a survey not older); Replace always writes.
enum class TileWriteMode { KeepBetter, Replace };
enum class TileWriteOutcome { Failed, Written, KeptExisting };

enum FileType : std::int32_t { kFileUnknown = 0, kFileMem = 1, kFileSem = 2, kFile3dm = 3, kFileXml = 4 };

// The height grid of a document: rows x columns of single-precision heights
// in metres, row 0 the north edge, column 0 the west edge; the extent is
// measured from the first to the last point.
class CHeightGrid {
public:
    CHeightGrid() = default;
    explicit CHeightGrid(const CTerrainEnv& env) : m_env(env) {}
    CHeightGrid(const CHeightGrid&) = delete;
    CHeightGrid& operator=(const CHeightGrid&) = delete;
    CHeightGrid(CHeightGrid&&) = default;
    CHeightGrid& operator=(CHeightGrid&&) = default;

    void SetEnv(const CTerrainEnv& env) { m_env = env; }
    const CTerrainEnv& Env() const { return m_env; }

    int LoadFile(const std::string& path);
    // The reading of LoadFile alone: the heights as the file holds them (an
    // elevation XML file's sea and no-data points not raised), no view
    // buffers, no map centre stored.
    int ReadFile(const std::string& path);
    void StoreMapCentre(bool fromGrid);

    float LatOfRow(int row) const;
    float LonOfCol(int col) const;
    void PointToCell(double lat, double lon, int& col, int& row) const;
    float HeightAt(double x, double y) const;
    // HeightAt where all the points it interpolates between have data, else nothing.
    std::optional<float> MeasuredHeightAt(double x, double y) const;
    int Refine(int factor, IProgress* progress);
    int IsInsideJapan() const;
    static bool IsPointInsideJapan(double lat, double lon);

    // The .3dm file name of the grid's own tile, from its south-west corner and spacing.
    std::string MakeTileName() const;
    int GetMeshSize() const { return m_nMeshSize; }
    int GetMeshSize2() const { return m_nMeshSize2; }

    // .3dm tiles
    int ReadTile(const std::string& path);
    int WriteTile(const std::string& path, TileWriteMode mode = TileWriteMode::KeepBetter) const;
    TileWriteOutcome WriteTileOutcome(const std::string& path, TileWriteMode mode) const;
    // The agency's elevation XML, from a file or from bytes in memory (an
    // archive member); messages only when asked.
    int ImportXml(const std::string& path, bool showMessages);
    int ImportXml(IByteSource& source, const std::string& path, bool showMessages);
    // Joins the tiles of an area (row by row from the north-west tile) into the
    // grid. Pass 1 builds the grid; passes 2 and 3 lay finer tiles over it,
    // keeping what they have no height for. The hybrid settings refine the grid
    // after pass 1 (10 m to 5 m) and pass 2 (5 m to 1 m).
    int JoinTiles(const std::vector<std::string>& tiles, const CAreaRecord& area, IProgress* progress,
                  int meshSetting, int pass);
    int JoinTextMeshes(const std::vector<std::string>& tiles, const CAreaRecord& area, IProgress* progress);
    // .mem / .sem text meshes
    int ReadTextMesh(const std::string& path);
    // Reads the heights of one text mesh into the caller's columns x rows
    // array; points without data are the no-data value.
    static int ReadTextMeshData(const std::string& path, float* scratch, int columns, int rows);
    // For joining: the 128-byte header of a tile (1 when all of it was read),
    // and the first `count` heights of a tile; heights the file lacks are no data.
    static int ReadTileHeader(const std::string& path, TileHeaderBytes& header);
    static int ReadTileHeights(const std::string& path, float* scratch, std::int64_t count);

    // Frees the view work buffers; with alsoHeights also the heights, their
    // dimensions, counts and source facts.
    void FreeBuffers(bool alsoHeights);
    void AllocViewBuffers();

    // Takes a filled array of rows x columns heights and sets the counts;
    // every point has data until the caller marks it in NoData().
    void AdoptHeights(std::unique_ptr<float[]> heights, int columns, int rows);
    void UpdateMinMax();

    float Height(int row, int col) const { return m_pHeights[Index(row, col)]; }
    float& Height(int row, int col) { return m_pHeights[Index(row, col)]; }
    const float* Heights() const { return m_pHeights.get(); }
    float* Heights() { return m_pHeights.get(); }
    bool HasHeights() const { return m_pHeights != nullptr; }
    // The points that had no data when the grid was read or joined, though
    // a stand-in height may have been put there since.
    const CNoDataMask& NoData() const { return m_noData; }
    CNoDataMask& NoData() { return m_noData; }
    std::int64_t DataPoints() const { return m_nPoints - m_noData.CountMarked(); }
    bool HasData(int row, int col) const { return !m_noData.IsMarked(static_cast<std::int64_t>(Index(row, col))); }
    // The height of a point as files keep it: the no-data value where it has none.
    float StoredHeight(std::size_t point) const
    {
        return m_noData.IsMarked(static_cast<std::int64_t>(point)) ? kNoData : m_pHeights[point];
    }
    // A .3dm tile or an elevation XML file opened by itself: moving the view
    // stops at its edges instead of opening neighbours.
    bool IsSingleTileFile() const { return (m_nFileType == kFile3dm || m_nFileType == kFileXml) && !m_bJoined; }
    std::size_t Index(int row, int col) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_nCols) +
               static_cast<std::size_t>(col);
    }

    struct FreeDeleter { void operator()(void* p) const { std::free(p); } };
    template <class T> using Buffer = std::unique_ptr<T[], FreeDeleter>;

    // Fields, in the order of the data model.
    std::int32_t m_nDataDate = 0;
    std::int32_t m_nValidPoints = 0;
    std::int32_t m_nFileCols = 0;
    std::int32_t m_nFileRows = 0;
    std::int32_t m_nRows = 0;
    std::int32_t m_nCols = 0;
    std::unique_ptr<float[]> m_pHeights;
    float m_fSouth = 0.0f;
    float m_fNorth = 0.0f;
    float m_fEast = 0.0f;
    float m_fWest = 0.0f;
    std::int32_t m_nStartX = 0;
    std::int32_t m_nStartY = 0;
    TileHeaderBytes m_header{};
    std::int32_t m_nMeshSize2 = 0;
    std::int32_t m_nMeshSize = 0;
    std::int32_t m_nFileType = kFileUnknown;
    // 1 when the heights were joined from an area's tiles (of any number),
    // 0 when they were read from one file.
    std::int32_t m_bJoined = 0;
    std::string m_strTextHeader;
    std::int32_t m_bNewDatum = 0;
    // View work buffers, borrowed by the views. Their memory is committed
    // only when a view writes to it.
    Buffer<float> m_pWorkFloats;           // kWorkFloatBytes, allocated once and kept
    Buffer<std::uint8_t> m_pPointBytes;    // one byte per point
    Buffer<std::int32_t> m_pPointInts;     // one 32-bit integer per point
    Buffer<std::int32_t> m_pSpanA;         // 2 x device span
    Buffer<std::int32_t> m_pSpanB;         // 2 x device span
    std::vector<std::string> m_joinHeaders;  // text-mesh headers of a join
    float m_fMinHeight = 0.0f;
    float m_fMaxHeight = 0.0f;
    std::string m_strPath;
    std::int64_t m_nPoints = 0;
    std::int64_t m_nDataBytes = 0;

    static constexpr std::size_t kWorkFloatBytes = 0x10000000;
    static constexpr int kDefaultDeviceSpan = 4096;

private:
    void ShowMessage(std::string_view text) const;
    void SetExtent(float south, float north, float west, float east);
    void ClearSourceFacts();
    void ClearGrid();
    int FinishXmlHeights(const std::string& path);
    void RaiseToMinHeight();
    // Marks the no-data value of a text mesh's reader and puts 0 there.
    void ZeroTextMeshNoData();
    struct SlopePoints;
    SlopePoints SlopePointsAt(double x, double y) const;
    int PlaceTiles(const std::vector<std::string>& tiles, int across, int pass, IProgress* progress);
    void OverlayPosition(const TileHeader& tile, std::int64_t& row, std::int64_t& col) const;
    void CopyTile(const float* tile, std::int64_t firstRow, std::int64_t firstCol, bool overlay);
    void FinishJoinedHeights(const CAreaRecord& area);
    int RefineHybrid(int meshSetting, int pass, IProgress* progress);
    int RefuseFile();

    CTerrainEnv m_env;
    CNoDataMask m_noData;
};

FileType FileTypeOfPath(const std::string& path);

} // namespace qb
