#include "terrain/HeightGrid.h"

#include "platform/MessageSink.h"
#include "platform/PathText.h"
#include "platform/SettingsStore.h"
#include "terrain/MapZoom.h"

#include <algorithm>
#include <cmath>

namespace qb {

FileType FileTypeOfPath(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext == "mem") return kFileMem;
    if (ext == "sem") return kFileSem;
    if (ext == "3dm") return kFile3dm;
    if (ext == "xml") return kFileXml;
    return kFileUnknown;
}

void CHeightGrid::ShowMessage(std::string_view text) const
{
    if (m_env.messages)
        m_env.messages->ShowMessage(text, MessageIcon::Exclamation);
}

int CHeightGrid::ReadFile(const std::string& path)
{
    m_nFileType = FileTypeOfPath(path);
    m_bJoined = 0;
    switch (m_nFileType) {
    case kFile3dm:
        return ReadTile(path);
    case kFileMem:
    case kFileSem:
        return ReadTextMesh(path);
    case kFileXml:
        return ImportXml(path, true);
    default:
        ShowMessage(kNotDataFileMessage);
        return 0;
    }
}

int CHeightGrid::LoadFile(const std::string& path)
{
    const int result = ReadFile(path);
    if (result && m_nFileType == kFileXml)
        RaiseToMinHeight();
    if (result)
        AllocViewBuffers();
    StoreMapCentre(true);
    return result;
}

void CHeightGrid::StoreMapCentre(bool fromGrid)
{
    double south = m_fSouth, north = m_fNorth, west = m_fWest, east = m_fEast;
    if (fromGrid) {
        const GeoBox box{south, north, -west, -east};
        if (m_env.areaBox)
            *m_env.areaBox = box;
        if (m_env.viewBox)
            *m_env.viewBox = box;
    } else if (m_env.viewBox) {
        south = m_env.viewBox->south;
        north = m_env.viewBox->north;
        west = -m_env.viewBox->west;
        east = -m_env.viewBox->east;
    }
    const MapCentre centre = MapCentreOf(GeoBox{.south = south, .north = north, .west = west, .east = east});
    if (m_env.settings)
        WriteMapCentre(*m_env.settings, centre);
    if (m_env.map)
        m_env.map->SetMapCenter(centre.lat, centre.lon, centre.zoom);
}

float CHeightGrid::LatOfRow(int row) const
{
    return m_fNorth + (m_fSouth - m_fNorth) * static_cast<float>(row) / static_cast<float>(m_nRows - 1);
}

float CHeightGrid::LonOfCol(int col) const
{
    return m_fWest + (m_fEast - m_fWest) * static_cast<float>(col) / static_cast<float>(m_nCols - 1);
}

namespace {

// count-1 x (value - first) / (last - first) + 0.5, truncated toward zero;
// -1 for equal edges or an index outside 0 .. count-1. Single precision.
int IndexOnAxis(float value, float first, float last, int count)
{
    if (first == last || count <= 0)
        return -1;
    const float position = static_cast<float>(count - 1) * (value - first) / (last - first) + 0.5f;
    if (!(position > -1.0f && position < static_cast<float>(count)))
        return -1;
    return static_cast<int>(position);
}

} // namespace

void CHeightGrid::PointToCell(double lat, double lon, int& col, int& row) const
{
    row = IndexOnAxis(static_cast<float>(lat), m_fNorth, m_fSouth, m_nRows);
    col = IndexOnAxis(static_cast<float>(lon), m_fWest, m_fEast, m_nCols);
}

// The points HeightAt interpolates between: the cell's own point (r, c), its
// horizontal neighbour (r, cx) and its vertical neighbour (ry, c).
struct CHeightGrid::SlopePoints {
    int r, c, cx, ry;
    bool right, below;  // whether the neighbours lie right of and below the point
};

CHeightGrid::SlopePoints CHeightGrid::SlopePointsAt(double x, double y) const
{
    // Positions outside the grid take the nearest cell; a grid one point wide
    // or high has no slope across.
    SlopePoints p{};
    p.c = std::clamp(static_cast<int>(std::floor(std::clamp(x, -1.0, 1.0 * m_nCols))), 0, m_nCols - 1);
    p.r = std::clamp(static_cast<int>(std::floor(std::clamp(y, -1.0, 1.0 * m_nRows))), 0, m_nRows - 1);
    p.right = p.c + 1 < m_nCols;
    p.below = p.r + 1 < m_nRows;
    p.cx = p.right ? p.c + 1 : std::max(p.c - 1, 0);
    p.ry = p.below ? p.r + 1 : std::max(p.r - 1, 0);
    return p;
}

float CHeightGrid::HeightAt(double x, double y) const
{
    if (!m_pHeights || m_nPoints <= 0)
        return 0.0f;
    const SlopePoints p = SlopePointsAt(x, y);
    const float h = Height(p.r, p.c);
    const float hx = Height(p.r, p.cx);
    const float hy = Height(p.ry, p.c);
    const double sx = p.right ? double(hx) - h : double(h) - hx;
    const double sy = p.below ? double(hy) - h : double(h) - hy;
    const auto value = static_cast<float>(h + sx * (x - p.c) + sy * (y - p.r));
    const float low = std::min({h, hx, hy});
    const float high = std::max({h, hx, hy});
    return std::clamp(value, low, high);
}

std::optional<float> CHeightGrid::MeasuredHeightAt(double x, double y) const
{
    if (!m_pHeights || m_nPoints <= 0)
        return std::nullopt;
    const SlopePoints p = SlopePointsAt(x, y);
    if (!HasData(p.r, p.c) || !HasData(p.r, p.cx) || !HasData(p.ry, p.c))
        return std::nullopt;
    return HeightAt(x, y);
}

bool CHeightGrid::IsPointInsideJapan(double lat, double lon)
{
    return lon >= 122.0 && lon <= 156.0 && lat >= 18.0 && lat <= 47.0;
}

int CHeightGrid::IsInsideJapan() const
{
    return (m_fWest >= 122.0f && m_fEast <= 156.0f && m_fNorth <= 47.0f && m_fSouth >= 18.0f) ? 1 : 0;
}

void CHeightGrid::FreeBuffers(bool alsoHeights)
{
    // The large float buffer is allocated once and kept for the life of the grid.
    m_pPointBytes.reset();
    m_pPointInts.reset();
    m_pSpanA.reset();
    m_pSpanB.reset();
    m_joinHeaders.clear();
    if (alsoHeights)
        ClearGrid();
}

void CHeightGrid::ClearGrid()
{
    // Every read starts from an empty grid, so nothing of an earlier file
    // (its size, counts, heights or gaps) can pass for part of the next one.
    m_pHeights.reset();
    m_noData.Reset(0);
    m_nRows = m_nCols = m_nFileRows = m_nFileCols = 0;
    m_nPoints = m_nDataBytes = 0;
    m_fMinHeight = m_fMaxHeight = 0.0f;
    ClearSourceFacts();
}

namespace {

template <class T>
CHeightGrid::Buffer<T> ZeroedBuffer(std::size_t count)
{
    // calloc hands out untouched zero pages: memory is committed only when used.
    return CHeightGrid::Buffer<T>(static_cast<T*>(std::calloc(count ? count : 1, sizeof(T))));
}

} // namespace

void CHeightGrid::AllocViewBuffers()
{
    FreeBuffers(false);
    if (!m_pWorkFloats)
        m_pWorkFloats = ZeroedBuffer<float>(kWorkFloatBytes / sizeof(float));
    const auto points = static_cast<std::size_t>(std::max<std::int64_t>(m_nPoints, 0));
    m_pPointBytes = ZeroedBuffer<std::uint8_t>(points);
    m_pPointInts = ZeroedBuffer<std::int32_t>(points);
    const int span = m_env.deviceSpan > 0 ? m_env.deviceSpan : kDefaultDeviceSpan;
    m_pSpanA = ZeroedBuffer<std::int32_t>(2 * static_cast<std::size_t>(span));
    m_pSpanB = ZeroedBuffer<std::int32_t>(2 * static_cast<std::size_t>(span));
}

void CHeightGrid::AdoptHeights(std::unique_ptr<float[]> heights, int columns, int rows)
{
    m_pHeights = std::move(heights);
    m_nCols = columns;
    m_nRows = rows;
    m_nPoints = static_cast<std::int64_t>(columns) * rows;
    m_nDataBytes = m_nPoints * static_cast<std::int64_t>(sizeof(float));
    m_noData.Reset(m_nPoints);
}

void CHeightGrid::UpdateMinMax()
{
    if (!m_pHeights || m_nPoints <= 0) {
        m_fMinHeight = m_fMaxHeight = 0.0f;
        return;
    }
    const float* first = m_pHeights.get();
    const auto [low, high] = std::minmax_element(first, first + m_nPoints);
    m_fMinHeight = *low;
    m_fMaxHeight = *high;
}

void CHeightGrid::ClearSourceFacts()
{
    m_nDataDate = 0;
    m_nValidPoints = 0;
    m_nStartX = 0;
    m_nStartY = 0;
}

int CHeightGrid::RefuseFile()
{
    ShowMessage(kNotDataFileMessage);
    return 0;
}

void CHeightGrid::RaiseToMinHeight()
{
    // Sea and no-data points take the lowest land height.
    float* h = m_pHeights.get();
    for (std::int64_t i = 0; i < m_nPoints; ++i)
        h[i] = std::max(h[i], m_fMinHeight);
}

void CHeightGrid::ZeroTextMeshNoData()
{
    float* h = m_pHeights.get();
    for (std::int64_t i = 0; i < m_nPoints; ++i) {
        if (h[i] == kNoData) {
            m_noData.Mark(i);
            h[i] = 0.0f;
        }
    }
}

void CHeightGrid::SetExtent(float south, float north, float west, float east)
{
    m_fSouth = south;
    m_fNorth = north;
    m_fWest = west;
    m_fEast = east;
}

} // namespace qb
