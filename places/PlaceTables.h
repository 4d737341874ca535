#pragma once
#include "places/DatumIndex.h"
#include "places/PlaceTable.h"
#include "terrain/TerrainEnv.h"

namespace qb {

// The three place tables of a document: the system table (every name of the
// system place file), the user table (what the user file stores: its names,
// the open tiles' own names and the names the user entered) and the display
// table (the names on the current grid, with 16 bytes per record for the
// views). The system table doubles as the table of datum shifts; it changes
// only through SetSystem, which rebuilds its search index.
class CPlaceTables final : public IDatumConverter {
public:
    // How the nearest system record is found; both give the same record.
    enum class Search { Indexed, Linear };

    CPlaceTables();

    const CPlaceTable& System() const { return m_system; }
    void SetSystem(CPlaceTable table);
    void ClearSystem() { SetSystem(CPlaceTable()); }
    CPlaceTable& User() { return m_user; }
    const CPlaceTable& User() const { return m_user; }
    CPlaceTable& Display() { return m_display; }
    const CPlaceTable& Display() const { return m_display; }

    // Shifts a point by the datum shift of the nearest system record; the
    // point stays as it is when the system table is empty or the point lies
    // outside latitude 15 .. 48 or longitude 122 .. 160.
    void ToNewDatum(double& lat, double& lon) const override;
    void ToOldDatum(double& lat, double& lon) const override;
    // The system record nearest by the given pair, or -1.
    int NearestSystemRecord(DatumKey key, double lat, double lon) const;

    void SetSearch(Search search) { m_search = search; }

    // Whether the user table holds changes not yet saved.
    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }

private:
    void Shift(DatumKey from, double& lat, double& lon) const;

    CPlaceTable m_system;
    CPlaceTable m_user;
    CPlaceTable m_display;
    CDatumIndex m_byOldPair;
    CDatumIndex m_byNewPair;
    Search m_search = Search::Indexed;
    bool m_bModified = false;
};

} // namespace qb
