#include "places/PlaceTables.h"

#include <utility>

namespace qb {

CPlaceTables::CPlaceTables() : m_display(CPlaceTable::kDisplayViewBytes) {}

void CPlaceTables::SetSystem(CPlaceTable table)
{
    m_system = std::move(table);
    m_byOldPair.Build(m_system.Records(), DatumKey::Old);
    m_byNewPair.Build(m_system.Records(), DatumKey::New);
}

int CPlaceTables::NearestSystemRecord(DatumKey key, double lat, double lon) const
{
    if (m_search == Search::Linear)
        return NearestPlaceLinear(m_system.Records(), key, lat, lon);
    return (key == DatumKey::Old ? m_byOldPair : m_byNewPair).Nearest(lat, lon);
}

void CPlaceTables::ToNewDatum(double& lat, double& lon) const
{
    Shift(DatumKey::Old, lat, lon);
}

void CPlaceTables::ToOldDatum(double& lat, double& lon) const
{
    Shift(DatumKey::New, lat, lon);
}

// Adds the shift of the nearest system record, from the pair searched by to
// the other pair.
void CPlaceTables::Shift(DatumKey from, double& lat, double& lon) const
{
    if (m_system.Empty() || !IsInDatumBox(lat, lon))
        return;
    const int nearest = NearestSystemRecord(from, lat, lon);
    if (nearest < 0)
        return;
    const PlaceRecord& r = m_system[nearest];
    const double sign = from == DatumKey::Old ? 1.0 : -1.0;
    lat += sign * (static_cast<double>(r.newLat) - static_cast<double>(r.oldLat));
    lon += sign * (static_cast<double>(r.newLon) - static_cast<double>(r.oldLon));
}

} // namespace qb
