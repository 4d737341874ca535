#pragma once
#include "terrain/AreaRecord.h"
#include "views/GridRange.h"

#include <optional>

namespace qb {

class CDocumentManager;
class CTessimApp;
class CTessimDoc;

// The application's state an area open changes: its area record, open mode
// and data source kind.
struct OpenState {
    CAreaRecords area;
    int openMode = 0;
    int sourceKind = 0;

    static OpenState Of(const CTessimApp& app);
    void RestoreTo(CTessimApp& app) const;
};

// The re-open of the neighbouring area when a view moves past the edge of
// its grid. It keeps the move record (the moved area) and, from the re-open
// until another opening command clears it, the moved range in the new grid:
// the views brought up on the re-opened area show that range.
class CMovedAreaReopen {
public:
    CMovedAreaReopen(CTessimApp& app, CDocumentManager& documents) : m_app(app), m_documents(documents) {}

    // Opens the area next to `doc`'s: `shifted` is the range a view of
    // doc's grid (gridCols x gridRows points) moved to in `direction`. Where
    // no tile of the moved area exists the user is told and `doc` stays. When
    // the user keeps `doc` at the save question, the application's area, open
    // mode and source kind stay those of `doc`. The mesh setting is the
    // application's again afterwards. Returns the re-opened document, or null.
    CTessimDoc* Reopen(CTessimDoc& doc, int direction, const GridRange& shifted, int gridCols, int gridRows);

    const CAreaRecords& MoveRecord() const { return m_moveRecord; }
    // Another opening command forgets the moved area.
    void Clear()
    {
        m_moveRecord = {};
        m_moveRange.reset();
        m_pReopened = nullptr;
    }
    // A document going away is no longer the re-opened one.
    void Forget(const CTessimDoc& doc)
    {
        if (m_pReopened != &doc)
            return;
        m_pReopened = nullptr;
        m_moveRange.reset();
    }
    // The moved range while `doc` is the re-opened area, the flag of the move
    // record set; none otherwise.
    std::optional<GridRange> StoredRange(const CTessimDoc& doc) const;

private:
    CTessimDoc* Open(CTessimDoc& doc, int meshSetting, bool clearSource);

    CTessimApp& m_app;
    CDocumentManager& m_documents;
    CAreaRecords m_moveRecord;
    std::optional<GridRange> m_moveRange;
    const CTessimDoc* m_pReopened = nullptr;
};

} // namespace qb
