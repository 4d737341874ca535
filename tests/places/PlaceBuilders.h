#pragma once
#include "places/PlaceTables.h"

#include <vector>

namespace qb::test {

// A record at an old-datum pair whose new pair lies the given shift away.
inline PlaceRecord Shifted(float lat, float lon, float dLat, float dLon)
{
    PlaceRecord r;
    r.oldLat = lat;
    r.oldLon = lon;
    r.newLat = lat + dLat;
    r.newLon = lon + dLon;
    return r;
}

inline void SetSystemRecords(CPlaceTables& tables, const std::vector<PlaceRecord>& records)
{
    CPlaceTable system;
    for (const PlaceRecord& r : records)
        system.Append(r);
    tables.SetSystem(std::move(system));
}

} // namespace qb::test
