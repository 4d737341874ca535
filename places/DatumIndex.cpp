#include "places/DatumIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qb {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Bucket sides: at most about four million buckets over the box.
constexpr double kMinCell = 0.02;
constexpr double kMaxCell = kDatumEast - kDatumWest;
// Bucket edges are computed, entries placed by division: a bound is lowered
// by this much so that rounding never hides an entry from the search.
constexpr double kSlack = 1e-9;

double SquaredDistance(double lat, double lon, float keyLat, float keyLon)
{
    const double dLat = lat - static_cast<double>(keyLat);
    const double dLon = lon - static_cast<double>(keyLon);
    return dLat * dLat + dLon * dLon;
}

void KeyOf(const PlaceRecord& r, DatumKey key, float& lat, float& lon)
{
    lat = key == DatumKey::Old ? r.oldLat : r.newLat;
    lon = key == DatumKey::Old ? r.oldLon : r.newLon;
}

int Clamped(double cell, int count)
{
    if (!(cell >= 0.0))
        return 0;
    if (cell >= count)
        return count - 1;
    return static_cast<int>(cell);
}

} // namespace

bool IsInDatumBox(double lat, double lon)
{
    return lat >= kDatumSouth && lat <= kDatumNorth && lon >= kDatumWest && lon <= kDatumEast;
}

int NearestPlaceLinear(std::span<const PlaceRecord> records, DatumKey key, double lat, double lon)
{
    int best = -1;
    double bestDistance = kInfinity;
    for (std::size_t i = 0; i < records.size(); ++i) {
        float keyLat = 0.0f, keyLon = 0.0f;
        KeyOf(records[i], key, keyLat, keyLon);
        const double d = SquaredDistance(lat, lon, keyLat, keyLon);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void CDatumIndex::Best::Offer(const Entry& e, double lat, double lon)
{
    const double d = SquaredDistance(lat, lon, e.lat, e.lon);
    if (d < distance || (d == distance && index >= 0 && e.index < index)) {
        distance = d;
        index = e.index;
    }
}

void CDatumIndex::Build(std::span<const PlaceRecord> records, DatumKey key)
{
    m_entries.clear();
    for (std::size_t i = 0; i < records.size(); ++i) {
        Entry e{0.0f, 0.0f, static_cast<int>(i)};
        KeyOf(records[i], key, e.lat, e.lon);
        // A pair that is not finite is never nearer than anything.
        if (std::isfinite(e.lat) && std::isfinite(e.lon))
            m_entries.push_back(e);
    }
    m_nCols = m_nRows = 0;
    m_cellStart.clear();
    if (m_entries.empty())
        return;
    // One entry per bucket on average over the box; place names crowd on
    // land, so a second, finer laying aims at two per occupied bucket.
    const double area = (kDatumEast - kDatumWest) * (kDatumNorth - kDatumSouth);
    const double first = std::clamp(std::sqrt(area / static_cast<double>(m_entries.size())), kMinCell, kMaxCell);
    Lay(first);
    const double perOccupied = static_cast<double>(m_entries.size()) / OccupiedCells();
    if (perOccupied > 4.0)
        Lay(std::max(kMinCell, first * std::sqrt(2.0 / perOccupied)));
}

// Sorts the entries into buckets of the given side, keeping record order
// inside each bucket.
void CDatumIndex::Lay(double cellSize)
{
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.index < b.index; });
    m_dCell = cellSize;
    m_nCols = std::max(1, static_cast<int>(std::ceil((kDatumEast - kDatumWest) / cellSize)));
    m_nRows = std::max(1, static_cast<int>(std::ceil((kDatumNorth - kDatumSouth) / cellSize)));
    const std::size_t cells = static_cast<std::size_t>(m_nCols) * static_cast<std::size_t>(m_nRows);
    std::vector<int> cellOf(m_entries.size());
    m_cellStart.assign(cells + 1, 0);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        cellOf[i] = CellOfLat(m_entries[i].lat) * m_nCols + CellOfLon(m_entries[i].lon);
        ++m_cellStart[static_cast<std::size_t>(cellOf[i]) + 1];
    }
    for (std::size_t c = 0; c < cells; ++c)
        m_cellStart[c + 1] += m_cellStart[c];
    std::vector<Entry> laid(m_entries.size());
    std::vector<int> next(m_cellStart.begin(), m_cellStart.end() - 1);
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        laid[static_cast<std::size_t>(next[static_cast<std::size_t>(cellOf[i])]++)] = m_entries[i];
    m_entries.swap(laid);
}

int CDatumIndex::OccupiedCells() const
{
    int occupied = 0;
    for (std::size_t c = 0; c + 1 < m_cellStart.size(); ++c)
        occupied += m_cellStart[c + 1] > m_cellStart[c] ? 1 : 0;
    return std::max(occupied, 1);
}

int CDatumIndex::CellOfLon(double lon) const
{
    return Clamped((lon - kDatumWest) / m_dCell, m_nCols);
}

int CDatumIndex::CellOfLat(double lat) const
{
    return Clamped((lat - kDatumSouth) / m_dCell, m_nRows);
}

int CDatumIndex::Nearest(double lat, double lon) const
{
    if (m_entries.empty())
        return -1;
    const bool inside = lat >= kDatumSouth && lat <= kDatumSouth + m_nRows * m_dCell && lon >= kDatumWest &&
                        lon <= kDatumWest + m_nCols * m_dCell;
    if (!inside)
        return ScanAll(lat, lon);
    const int col = CellOfLon(lon);
    const int row = CellOfLat(lat);
    const int lastRing = std::max({col, m_nCols - 1 - col, row, m_nRows - 1 - row});
    Best best{kInfinity, -1};
    for (int ring = 0; ring <= lastRing; ++ring) {
        if (ring > 0 && RingBound(ring, col, row, lat, lon) > best.distance)
            break;
        SearchRing(ring, col, row, lat, lon, best);
    }
    return best.index;
}

// The squared distance from the point to the nearest bucket of this ring or
// any ring beyond: the distance to the edge of the block of nearer rings.
double CDatumIndex::RingBound(int ring, int col, int row, double lat, double lon) const
{
    double bound = kInfinity;
    if (col - ring >= 0)
        bound = std::min(bound, lon - (kDatumWest + (col - ring + 1) * m_dCell));
    if (col + ring < m_nCols)
        bound = std::min(bound, kDatumWest + (col + ring) * m_dCell - lon);
    if (row - ring >= 0)
        bound = std::min(bound, lat - (kDatumSouth + (row - ring + 1) * m_dCell));
    if (row + ring < m_nRows)
        bound = std::min(bound, kDatumSouth + (row + ring) * m_dCell - lat);
    bound = std::max(0.0, bound - kSlack);
    return bound * bound;
}

void CDatumIndex::SearchRing(int ring, int col, int row, double lat, double lon, Best& best) const
{
    const int left = std::max(0, col - ring);
    const int right = std::min(m_nCols - 1, col + ring);
    for (const int r : {row - ring, row + ring}) {
        if (r >= 0 && r < m_nRows)
            for (int c = left; c <= right; ++c)
                SearchCell(c, r, lat, lon, best);
        if (ring == 0)
            return;
    }
    const int bottom = std::max(0, row - ring + 1);
    const int top = std::min(m_nRows - 1, row + ring - 1);
    for (const int c : {col - ring, col + ring})
        if (c >= 0 && c < m_nCols)
            for (int r = bottom; r <= top; ++r)
                SearchCell(c, r, lat, lon, best);
}

// The squared distance from the point to the bucket. Entries placed in a
// border bucket from outside the box lie beyond it, never nearer.
double CDatumIndex::CellGap(int col, int row, double lat, double lon) const
{
    const double west = kDatumWest + col * m_dCell;
    const double south = kDatumSouth + row * m_dCell;
    const double dLon = std::max(0.0, std::max(west - lon, lon - (west + m_dCell)) - kSlack);
    const double dLat = std::max(0.0, std::max(south - lat, lat - (south + m_dCell)) - kSlack);
    return dLon * dLon + dLat * dLat;
}

void CDatumIndex::SearchCell(int col, int row, double lat, double lon, Best& best) const
{
    if (CellGap(col, row, lat, lon) > best.distance)
        return;
    const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_nCols) +
                             static_cast<std::size_t>(col);
    for (int i = m_cellStart[cell]; i < m_cellStart[cell + 1]; ++i)
        best.Offer(m_entries[static_cast<std::size_t>(i)], lat, lon);
}

int CDatumIndex::ScanAll(double lat, double lon) const
{
    Best best{kInfinity, -1};
    for (const Entry& e : m_entries)
        best.Offer(e, lat, lon);
    return best.index;
}

} // namespace qb
