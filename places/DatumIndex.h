#pragma once
#include "places/PlaceRecord.h"

#include <span>
#include <vector>

namespace qb {

// Which coordinate pair of a record a datum search compares with.
enum class DatumKey { Old, New };

// The box in which the datum conversions shift a point; outside it they
// leave the point as it is.
inline constexpr double kDatumSouth = 15.0;
inline constexpr double kDatumNorth = 48.0;
inline constexpr double kDatumWest = 122.0;
inline constexpr double kDatumEast = 160.0;
bool IsInDatumBox(double lat, double lon);

// The record whose key pair is nearest to (lat, lon) by the squared
// difference in degrees, the first of equals winning; -1 when no record has
// a finite pair. The plain scan that defines the answer.
int NearestPlaceLinear(std::span<const PlaceRecord> records, DatumKey key, double lat, double lon);

// The same answer as NearestPlaceLinear, found through a grid of buckets laid
// over the datum box. Records outside the box go into the border buckets,
// which keeps the distance bounds of the search true for every point inside
// it; points outside the box are answered by scanning every entry.
class CDatumIndex {
public:
    void Build(std::span<const PlaceRecord> records, DatumKey key);
    int Nearest(double lat, double lon) const;

private:
    struct Entry {
        float lat;
        float lon;
        int index;
    };
    struct Best {
        double distance;
        int index;
        void Offer(const Entry& e, double lat, double lon);
    };

    void Lay(double cellSize);
    int CellOfLon(double lon) const;
    int CellOfLat(double lat) const;
    double CellGap(int col, int row, double lat, double lon) const;
    void SearchCell(int col, int row, double lat, double lon, Best& best) const;
    void SearchRing(int ring, int col, int row, double lat, double lon, Best& best) const;
    double RingBound(int ring, int col, int row, double lat, double lon) const;
    int ScanAll(double lat, double lon) const;
    int OccupiedCells() const;

    std::vector<Entry> m_entries;     // bucket by bucket, record order inside each
    std::vector<int> m_cellStart;     // first entry of each bucket, and the end
    int m_nCols = 0;
    int m_nRows = 0;
    double m_dCell = 1.0;             // bucket side in degrees
};

} // namespace qb
