#pragma once
#include "app/DocumentHost.h"
#include "app/MapCentreRelay.h"
#include "places/PlaceTables.h"
#include "terrain/AreaRecord.h"
#include "terrain/HeightGrid.h"
#include "terrain/MapInfo.h"

#include <string>
#include <vector>

namespace qb {

class CPlaceFiles;
class CTessimApp;
class IJobRunner;
class IMessageSink;

inline constexpr std::string_view kSaveQuestion = "地名ファイルは保存されていません\n保存しますか？";
inline constexpr std::string_view kSavedStatus = "地名データを保存しました";

// The document: one open area. It owns the height grid, the list of tiles
// the grid was joined from and the place tables, opens one file, a tile
// selection or a named area, and saves the user's place names.
class CTessimDoc {
public:
    CTessimDoc(CTessimApp& app, IDocumentHost& host, IJobRunner& jobs);
    ~CTessimDoc();
    CTessimDoc(const CTessimDoc&) = delete;
    CTessimDoc& operator=(const CTessimDoc&) = delete;

    // The open hook: how the path is read depends on the application's open mode.
    bool OpenDocument(const std::string& path);
    int OpenSingleFile(const std::string& path);
    int OpenSelection(const CAreaRecords& areas);

    // The save question before closing; false when the user cancels (or the
    // save failed), so the document stays open.
    bool QuerySave();
    bool SaveDocument();
    MapInfoTexts MapInfo() const;

    CHeightGrid& Grid() { return m_grid; }
    const CHeightGrid& Grid() const { return m_grid; }
    CPlaceTables& Places() { return m_places; }
    const CPlaceTables& Places() const { return m_places; }
    const std::vector<std::string>& TileList() const { return m_tiles; }
    // Where a loaded area's map centre goes: the map view's web map listens here.
    CMapCentreRelay& MapCentre() { return m_mapCentre; }
    bool IsModified() const { return m_places.IsModified(); }
    const std::string& PathName() const { return m_strPathName; }

private:
    bool OpenDocumentSteps(const std::string& path);
    // Opening steps shared by both kinds of open.
    CPlaceFiles PlaceFiles();
    void LoadSystemAndUserPlaces();
    void ReplaceRemainingNoData();
    bool InsertDataDisc();

    // Opening an area.
    bool BuildTileList(const CAreaRecord& record, int pass);
    bool Join(const CAreaRecord& record, int pass);
    bool LoadTilePlaces(const CAreaRecord& base);

    CTessimApp& m_app;
    IDocumentHost& m_host;
    IJobRunner& m_jobs;
    CMapCentreRelay m_mapCentre;
    CHeightGrid m_grid;
    CPlaceTables m_places;
    std::vector<std::string> m_tiles;
    std::string m_strPathName;
};

} // namespace qb
