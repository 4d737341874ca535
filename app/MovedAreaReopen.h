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
// its grid. It keeps the move record (the moved area) and, while the
// re-open runs, the range the new grid's first view shows.
class CMovedAreaReopen {
public:
    CMovedAreaReopen(CTessimApp& app, CDocumentManager& documents) : m_app(app), m_documents(documents) {}

    // Opens the area next to `doc`'s: `shifted` is the range a view of
    // doc's grid (gridCols x gridRows points) moved to in `direction`. Where
    // no tile of the moved area exists the user is told and `doc` stays. When
    // the user keeps `doc` at the save question, the application's area, open
    // mode and source kind stay those of `doc`. The mesh setting is the
    // application's again afterwards. Returns whether the moved area opened.
    bool Reopen(CTessimDoc& doc, int direction, const GridRange& shifted, int gridCols, int gridRows);

    const CAreaRecords& MoveRecord() const { return m_moveRecord; }
    // Another opening command forgets the moved area.
    void Clear()
    {
        m_moveRecord = {};
        m_moveRange.reset();
    }
    // The range of the re-opened area's first view; none outside a re-open.
    const std::optional<GridRange>& Range() const { return m_moveRange; }

private:
    bool Open(CTessimDoc& doc, int meshSetting, bool clearSource);

    CTessimApp& m_app;
    CDocumentManager& m_documents;
    CAreaRecords m_moveRecord;
    std::optional<GridRange> m_moveRange;
};

} // namespace qb
