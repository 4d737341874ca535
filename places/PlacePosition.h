#pragma once
#include "places/PlaceRecord.h"
#include "terrain/HeightGrid.h"

namespace qb {

// A record is on the grid when it has a column and a row.
inline bool HasGridPosition(const PlaceRecord& r)
{
    return r.col >= 0 && r.row >= 0;
}

// The record's coordinates in the datum of the grid.
struct PlacePair {
    float lat;
    float lon;
};
inline PlacePair PairForGrid(const PlaceRecord& r, const CHeightGrid& grid)
{
    return grid.m_bNewDatum ? PlacePair{r.newLat, r.newLon} : PlacePair{r.oldLat, r.oldLon};
}

// Places the record on the grid by its pair in the grid's datum.
inline void PlaceOnGrid(PlaceRecord& r, const CHeightGrid& grid)
{
    const PlacePair pair = PairForGrid(r, grid);
    grid.PointToCell(pair.lat, pair.lon, r.col, r.row);
}

} // namespace qb
