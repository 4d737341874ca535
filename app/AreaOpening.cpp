// Opening an area: the tile lists of the passes, the joins and the names of the tiles.
#include "app/TessimDoc.h"

#include "app/AreaTiles.h"
#include "app/TessimApp.h"
#include "places/PlaceFile.h"
#include "places/PlaceFitting.h"
#include "platform/JobRunner.h"
#include "terrain/AreaAssembly.h"
#include "terrain/MeshNaming.h"
#include "terrain/ProgressJob.h"

#include <algorithm>
#include <filesystem>

namespace qb {
namespace {

// The path of a tile name in the database for the mesh setting and pass.
std::string TilePath(const std::string& name, int meshSetting, int pass, const std::string& database)
{
    if (meshSetting == kMeshDisc)
        return name;
    if (meshSetting == kMesh1m || (meshSetting == kMeshHybrid1m5m10m && pass == 3))
        return database + "/1m/" + name + "-DEM1A.3dm";
    if (meshSetting == kMesh5m || ((meshSetting == kMeshHybrid5m10m || meshSetting == kMeshHybrid1m5m10m) && pass == 2))
        return database + "/5m/" + name + ".3dm";
    return database + "/10m/" + name + ".3dm";
}

} // namespace

std::vector<std::string> AreaTilePaths(const CAreaRecord& record, int meshSetting, int pass,
                                       const std::string& databaseFolder)
{
    std::vector<std::string> paths;
    if (record.Across() <= 0 || record.Down() <= 0)
        return paths;
    const std::string base = record.BaseFile();
    for (int y = 0; y < record.Down(); ++y) {
        for (int x = 0; x < record.Across(); ++x) {
            const std::string name = NeighbourName(base, std::int64_t(x) - record.BaseColumn(),
                                                  std::int64_t(record.BaseRow()) - y);
            paths.push_back(name.empty() ? std::string() : TilePath(name, meshSetting, pass, databaseFolder));
        }
    }
    return paths;
}

bool AnyAreaTileExists(const std::vector<std::string>& paths)
{
    return std::any_of(paths.begin(), paths.end(),
                       [](const std::string& path) { return !path.empty() && DataFileExists(path); });
}

std::string DescribeAreaTiles(const std::vector<std::string>& paths)
{
    const auto first = std::find_if(paths.begin(), paths.end(), [](const std::string& p) { return !p.empty(); });
    if (first == paths.end())
        return {};
    const auto more = std::count_if(first + 1, paths.end(), [](const std::string& p) { return !p.empty(); });
    return more == 0 ? *first : *first + " ほか " + std::to_string(more) + " 個";
}

bool CTessimDoc::BuildTileList(const CAreaRecord& record, int pass)
{
    m_tiles = AreaTilePaths(record, m_app.m_nMapKind, pass, m_app.m_strDatabaseFolder);
    return AnyAreaTileExists(m_tiles);
}

bool CTessimDoc::Join(const CAreaRecord& record, int pass)
{
    m_app.m_nLoadPass = pass;
    const int meshSetting = m_app.m_nMapKind;
    return m_jobs.RunJob(kJobJoinTiles, [&](IProgress& progress) {
        return meshSetting == kMeshDisc ? m_grid.JoinTextMeshes(m_tiles, record, &progress)
                                        : m_grid.JoinTiles(m_tiles, record, &progress, meshSetting, pass);
    });
}

int CTessimDoc::OpenSelection(const CAreaRecords& areas)
{
    const int meshSetting = m_app.m_nMapKind;
    if (!BuildTileList(areas.base, 1) || !Join(areas.base, 1))
        return 0;
    // The overlays name the grid after their own base tile; the area keeps the base's name.
    const std::vector<std::string> baseTiles = m_tiles;
    const std::string basePath = m_grid.m_strPath;
    const bool hybrid = meshSetting == kMeshHybrid5m10m || meshSetting == kMeshHybrid1m5m10m;
    if (hybrid && m_app.m_bFound5m) {
        if (BuildTileList(areas.fiveMetre, 2)) {
            if (!Join(areas.fiveMetre, 2))
                return 0;
        } else if (meshSetting == kMeshHybrid1m5m10m) {
            // No 5 m tile after all: the grid still goes to 1 m for the 1 m pass.
            m_app.m_nLoadPass = 2;
            if (!m_grid.Refine(5, nullptr))
                return 0;
        }
    }
    if (meshSetting == kMeshHybrid1m5m10m && m_app.m_nLoadPass == 2 && m_app.m_bFound1m &&
        BuildTileList(areas.oneMetre, 3) && !Join(areas.oneMetre, 3))
        return 0;
    m_tiles = baseTiles;
    m_grid.m_strPath = basePath;
    ReplaceRemainingNoData();
    m_grid.AllocViewBuffers();
    if (!LoadTilePlaces(areas.base))
        return 0;
    // The joined grid is the map's red box and centre, as a single file is.
    m_grid.StoreMapCentre(true);
    return 1;
}

// The names of the system and user files, then those of every tile's own
// place file, moved by the tile's place in the grid.
bool CTessimDoc::LoadTilePlaces(const CAreaRecord& base)
{
    LoadSystemAndUserPlaces();
    CPlaceFiles files = PlaceFiles();
    std::vector<int> counts(m_tiles.size(), 0);
    const bool counted = m_jobs.RunJob(kJobCountPlaces, [&](IProgress& progress) {
        for (std::size_t t = 0; t < m_tiles.size(); ++t) {
            progress.Report(static_cast<std::int64_t>(t), static_cast<std::int64_t>(m_tiles.size()));
            if (progress.IsCancelled())
                return 0;
            counts[t] = files.CountPlaces(m_tiles[t]);
        }
        return 1;
    });
    if (!counted)
        return false;
    // A tile's share of the grid, which the hybrid refinements have enlarged.
    const int across = std::max(1, base.Across());
    const int down = std::max(1, base.Down());
    CPlaceTable& user = m_places.User();
    for (std::size_t t = 0; t < m_tiles.size(); ++t) {
        const int first = user.Count();
        files.ReadPlaces(m_tiles[t], user, counts[t], true, 1);
        const int dx = static_cast<int>(t % across) * (m_grid.m_nCols / across);
        const int dy = static_cast<int>(t / across) * (m_grid.m_nRows / down);
        for (int i = first; i < user.Count(); ++i) {
            if (user[i].col >= 0 && user[i].row >= 0) {
                user[i].col += dx;
                user[i].row += dy;
            }
        }
    }
    user.Truncate(RemoveDuplicatePlaces(user.Records()));
    FitPlaces(m_places, m_grid);
    return true;
}

} // namespace qb
