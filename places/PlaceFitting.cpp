#include "places/PlaceFitting.h"

#include "places/PlacePosition.h"
#include "places/PlaceTables.h"

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qb {
namespace {

bool IsNear(const PlaceRecord& earlier, const PlaceRecord& later)
{
    if (earlier.oldLat != 0.0f && earlier.oldLon != 0.0f && std::fabs(later.oldLat - earlier.oldLat) < 0.1 &&
        std::fabs(later.oldLon - earlier.oldLon) < 0.1)
        return true;
    // Both must be on the grid: a record that is not placed (-1) is near no
    // point, and must not take the place of one that is.
    return HasGridPosition(earlier) && HasGridPosition(later) &&
           std::llabs(static_cast<long long>(later.row) - earlier.row) < 100 &&
           std::llabs(static_cast<long long>(later.col) - earlier.col) < 100;
}

// For each record, the next record of the same name, or -1; duplicates can
// only be found among records of one name.
std::vector<int> NextOfSameName(std::span<const PlaceRecord> records)
{
    std::vector<int> next(records.size(), -1);
    std::unordered_map<std::string_view, int> later;
    later.reserve(records.size());
    for (std::size_t i = records.size(); i-- > 0;) {
        auto [it, added] = later.try_emplace(records[i].Name(), static_cast<int>(i));
        if (!added) {
            next[i] = it->second;
            it->second = static_cast<int>(i);
        }
    }
    return next;
}

bool InExtent(const PlaceRecord& r, const CHeightGrid& grid)
{
    const PlacePair pair = PairForGrid(r, grid);
    return pair.lat >= grid.m_fSouth && pair.lat <= grid.m_fNorth && pair.lon >= grid.m_fWest &&
           pair.lon <= grid.m_fEast;
}

} // namespace

int RemoveDuplicatePlaces(std::span<PlaceRecord> records)
{
    for (PlaceRecord& r : records)
        r.duplicate = 0;
    const std::vector<int> next = NextOfSameName(records);
    for (std::size_t i = 0; i < records.size(); ++i)
        for (int j = next[i]; j >= 0; j = next[static_cast<std::size_t>(j)])
            if (IsNear(records[i], records[static_cast<std::size_t>(j)])) {
                records[i].duplicate = 1;
                break;
            }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!records[i].duplicate)
            records[kept++] = records[i];
    return static_cast<int>(kept);
}

void FitPlaces(CPlaceTables& tables, const CHeightGrid& grid)
{
    CPlaceTable& display = tables.Display();
    display.Clear();
    for (const PlaceRecord& r : tables.System().Records())
        if (InExtent(r, grid))
            display.Append(r);
    for (const PlaceRecord& r : tables.User().Records())
        if (InExtent(r, grid) || !CHeightGrid::IsPointInsideJapan(r.oldLat, r.oldLon))
            display.Append(r);
    for (PlaceRecord& r : display.Records())
        if (CHeightGrid::IsPointInsideJapan(r.oldLat, r.oldLon))
            PlaceOnGrid(r, grid);
    display.Truncate(RemoveDuplicatePlaces(display.Records()));
}

} // namespace qb
