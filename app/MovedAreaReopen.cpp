#include "app/MovedAreaReopen.h"

#include "app/AreaMove.h"
#include "app/AreaTiles.h"
#include "app/DocumentManager.h"
#include "app/TessimApp.h"
#include "app/TessimDoc.h"
#include "terrain/AreaAssembly.h"

namespace qb {

OpenState OpenState::Of(const CTessimApp& app)
{
    return OpenState{app.m_area, app.m_nOpenMode, app.m_nSourceKind};
}

void OpenState::RestoreTo(CTessimApp& app) const
{
    app.m_area = area;
    app.m_nOpenMode = openMode;
    app.m_nSourceKind = sourceKind;
}

CTessimDoc* CMovedAreaReopen::Reopen(CTessimDoc& doc, int direction, const GridRange& shifted, int gridCols, int gridRows)
{
    const CHeightGrid& grid = doc.Grid();
    const bool singleFile = !grid.m_bJoined;
    const CAreaRecords current = singleFile ? SingleFileArea(doc.PathName()) : m_app.m_area;
    const std::optional<AreaMove> move = MoveAreaPast(current, direction, shifted, gridCols, gridRows);
    if (!move) {
        m_app.Messages().ShowMessage(kFileNotFoundMessage);
        return nullptr;
    }
    // Text meshes are read as the data disc's are; a single one names no data source.
    const bool textMesh = grid.m_nFileType == kFileMem || grid.m_nFileType == kFileSem;
    const int meshSetting = textMesh ? kMeshDisc : m_app.m_nMapKind;
    // Re-opening closes this document first: where no tile of the moved
    // area exists, the user keeps what they see.
    if (!AnyAreaTileExists(AreaTilePaths(move->areas.base, meshSetting, 1, m_app.m_strDatabaseFolder))) {
        m_app.Messages().ShowMessage(kFileNotFoundMessage);
        return nullptr;
    }
    m_moveRecord = move->areas;
    m_moveRange = move->range;
    // The document closing now may be the one an earlier move re-opened.
    m_pReopened = nullptr;
    CTessimDoc* opened = Open(doc, meshSetting, textMesh && singleFile);
    m_pReopened = opened;
    if (!opened)
        m_moveRange.reset();
    return opened;
}

std::optional<GridRange> CMovedAreaReopen::StoredRange(const CTessimDoc& doc) const
{
    return &doc == m_pReopened ? m_moveRange : std::nullopt;
}

CTessimDoc* CMovedAreaReopen::Open(CTessimDoc& doc, int meshSetting, bool clearSource)
{
    const OpenState previous = OpenState::Of(m_app);
    const int mapKind = m_app.m_nMapKind;
    m_app.m_area = m_moveRecord;
    m_app.m_nOpenMode = 1;
    m_app.m_nMapKind = meshSetting;
    if (clearSource)
        m_app.m_nSourceKind = 0;
    CTessimDoc* opened = m_documents.OpenDocumentFile(m_app.m_area.base.BaseFile(), m_moveRange);
    m_app.m_nMapKind = mapKind;
    // The user kept the document at the save question: its area stays the application's.
    if (!opened && m_documents.Owns(&doc))
        previous.RestoreTo(m_app);
    return opened;
}

} // namespace qb
