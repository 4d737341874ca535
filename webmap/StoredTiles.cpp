#include "webmap/StoredTiles.h"

#include "platform/PathText.h"
#include "webmap/MeshCells.h"

#include <algorithm>
#include <filesystem>

namespace qb {

std::string TileFolderOfMeshSetting(int meshSetting)
{
    switch (meshSetting) {
    case 1:
    case 3:
    case 5:
        return "10m";
    case 2:
        return "5m";
    case 4:
        return "1m";
    default:
        return {};
    }
}

std::vector<std::string> ListTileNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (HasExtension(name, ".3dm") && it->is_regular_file(typeError))
            names.push_back(std::move(name));
    }
    // Sorted, so that the tiles of one cell follow each other whatever order
    // the file system lists them in.
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<GeoBox> CellsOfTileNames(const std::vector<std::string>& names)
{
    std::vector<GeoBox> cells;
    std::string previous;
    bool first = true;
    for (const std::string& name : names) {
        std::string key = name.substr(0, 7);
        if (!first && key == previous)
            continue;
        first = false;
        previous = std::move(key);
        if (const auto cell = CellOfTileName(name))
            cells.push_back(*cell);
    }
    return cells;
}

std::vector<GeoBox> StoredTileCells(const std::string& databaseFolder, int meshSetting)
{
    const std::string folder = TileFolderOfMeshSetting(meshSetting);
    if (folder.empty())
        return {};
    return CellsOfTileNames(ListTileNames(databaseFolder + "/" + folder));
}

} // namespace qb
