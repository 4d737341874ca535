#pragma once
#include "places/PlaceRecord.h"

#include <span>

namespace qb {

class CHeightGrid;
class CPlaceTables;

// Drops every record that a later record of the same name repeats: one whose
// old pair lies within 0.1 degree both ways of the earlier one's (when the
// earlier one's pair is not zero), or one that is on the grid within 100
// points both ways of it. The rest keep their order at the front of
// `records`; returns their number. The later of two duplicates survives.
int RemoveDuplicatePlaces(std::span<PlaceRecord> records);

// Rebuilds the display table for the grid: the system records inside the
// grid's extent, then the user records inside it or with an old pair outside
// the box of Japan (so records with unknown coordinates are always shown);
// records inside the box are placed on the grid again; duplicates go.
void FitPlaces(CPlaceTables& tables, const CHeightGrid& grid);

} // namespace qb
