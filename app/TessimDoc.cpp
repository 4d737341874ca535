#include "app/TessimDoc.h"

#include "app/AreaFiles.h"
#include "app/AreaTiles.h"
#include "app/TessimApp.h"
#include "places/PlaceFile.h"
#include "places/PlaceFitting.h"
#include "places/PlacePaths.h"
#include "platform/PathText.h"
#include "terrain/AreaAssembly.h"
#include "terrain/DataSourceChoice.h"

#include <algorithm>

namespace qb {
namespace {

enum PathType { kTypeOther = -1, kTypeSem = 0, kTypeMem = 1, kType3dm = 2, kTypeAre = 3, kTypeXml = 4 };

PathType TypeOfPath(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext == "sem") return kTypeSem;
    if (ext == "mem") return kTypeMem;
    if (ext == "3dm") return kType3dm;
    if (ext == "are") return kTypeAre;
    if (ext == "xml") return kTypeXml;
    return kTypeOther;
}

constexpr std::string_view kInsertDiscMessages[] = {
    "数値地図 50m メッシュ日本Ⅰの CD-ROM をセットしてください",
    "数値地図 50m メッシュ日本Ⅱの CD-ROM をセットしてください",
    "数値地図 50m メッシュ日本Ⅲの CD-ROM をセットしてください",
    "数値地図 250m メッシュの CD-ROM をセットしてください",
};

} // namespace

CTessimDoc::CTessimDoc(CTessimApp& app, IDocumentHost& host, IJobRunner& jobs)
    : m_app(app), m_host(host), m_jobs(jobs)
{
    CTerrainEnv env;
    env.messages = &app.Messages();
    env.settings = &app.Settings();
    env.datum = &m_places;
    env.areaBox = &app.m_areaBox;
    env.viewBox = &app.m_viewBox;
    env.map = &m_mapCentre;
    m_grid.SetEnv(env);
}

CTessimDoc::~CTessimDoc()
{
    if (m_app.m_pCurrentDoc == this)
        m_app.m_pCurrentDoc = nullptr;
}

bool CTessimDoc::OpenDocument(const std::string& path)
{
    if (OpenDocumentSteps(path))
        return true;
    // A failed or cancelled open leaves nothing half built behind.
    m_grid.FreeBuffers(true);
    m_tiles.clear();
    return false;
}

bool CTessimDoc::OpenDocumentSteps(const std::string& path)
{
    if (m_app.m_nOpenMode == 3)
        return true;
    if (!m_host.CloseOtherDocuments(*this))
        return false;
    m_strPathName = path;
    const PathType type = TypeOfPath(path);
    if (type == kTypeAre) {
        m_app.m_nOpenMode = 1;
        if (!ReadAreaFile(path, m_app.m_area.base))
            return false;
    }
    if (m_app.m_nOpenMode == 2)
        m_app.m_nOpenMode = 0;
    if (m_app.m_nOpenMode == 0 && type != kTypeAre && type != kTypeOther) {
        if (!OpenSingleFile(path)) {
            m_app.Messages().ShowMessage(m_host.FileNotFoundText(path));
            return false;
        }
        m_app.m_pCurrentDoc = this;
        return true;
    }
    if (!InsertDataDisc())
        return false;
    const CAreaRecord& area = m_app.m_area.base;
    if (std::int64_t(area.Across()) * area.Down() > kMaxAreaFiles) {
        m_app.Messages().ShowMessage(TooManyFilesMessage());
        return false;
    }
    if (!OpenSelection(m_app.m_area)) {
        // Where none of the tiles exists, they are what was not found.
        if (m_host.ShowsOpenMessages())
            m_app.Messages().ShowMessage(
                m_host.FileNotFoundText(AnyAreaTileExists(m_tiles) ? path : DescribeAreaTiles(m_tiles)));
        return false;
    }
    m_app.m_nOpenMode = 2;
    m_app.m_pCurrentDoc = this;
    return true;
}

// For data from a disc, asks for the right disc until it is in the data drive
// or the user cancels.
bool CTessimDoc::InsertDataDisc()
{
    const int kind = m_app.m_nSourceKind;
    if (kind < 1 || kind > 4)
        return true;
    while (DataDiscCode(m_app.DataDriveRoot()) != kind) {
        if (m_app.Messages().ShowMessage(kInsertDiscMessages[kind - 1], MessageIcon::Exclamation,
                                         MessageButtons::OkCancel) != MessageResult::Ok)
            return false;
    }
    return true;
}

CPlaceFiles CTessimDoc::PlaceFiles()
{
    return CPlaceFiles(m_places, m_grid, PlaceFolders{PlaceFolder(m_app.Settings()), m_app.m_strDatabaseFolder},
                       &m_app.Messages());
}

void CTessimDoc::LoadSystemAndUserPlaces()
{
    m_places.Display().Clear();
    CPlaceFiles files = PlaceFiles();
    files.LoadSystemPlaces();
    files.LoadUserPlaces();
}

int CTessimDoc::OpenSingleFile(const std::string& path)
{
    m_grid.m_bNewDatum = 1;
    LoadSystemAndUserPlaces();
    CPlaceFiles files = PlaceFiles();
    CPlaceTable& user = m_places.User();
    files.ReadPlaces(path, user, files.CountPlaces(path), false, 1);
    user.Truncate(RemoveDuplicatePlaces(user.Records()));
    if (!m_grid.LoadFile(path))
        return 0;
    m_tiles.assign(1, path);
    FitPlaces(m_places, m_grid);
    ReplaceRemainingNoData();
    return 1;
}

void CTessimDoc::ReplaceRemainingNoData()
{
    float* h = m_grid.Heights();
    std::replace(h, h + m_grid.m_nPoints, kNoData, 0.0f);
    if (m_grid.m_fMinHeight == kNoData)
        m_grid.m_fMinHeight = 0.0f;
}

bool CTessimDoc::QuerySave()
{
    if (!IsModified())
        return true;
    switch (m_app.Messages().ShowMessage(kSaveQuestion, MessageIcon::Question, MessageButtons::YesNoCancel)) {
    case MessageResult::Cancel:
        return false;
    case MessageResult::No:
        return true;
    default:
        return PlaceFiles().SaveUserPlaces() == 1;
    }
}

bool CTessimDoc::SaveDocument()
{
    if (PlaceFiles().SaveUserPlaces() != 1)
        return false;
    m_host.SetStatusText(kSavedStatus);
    return true;
}

MapInfoTexts CTessimDoc::MapInfo() const
{
    return MakeMapInfo(m_grid, m_app.m_nOpenMode);
}

} // namespace qb
