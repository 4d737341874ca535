#pragma once
#include "terrain/GeoBox.h"

#include <string>
#include <vector>

namespace qb {

// The subfolder of the database folder that holds the tiles of a mesh
// setting: "10m" for 1, 3 and 5, "5m" for 2, "1m" for 4; empty for any other.
std::string TileFolderOfMeshSetting(int meshSetting);

// The names of the *.3dm files in a folder (extension without case), sorted;
// none when it cannot be read.
std::vector<std::string> ListTileNames(const std::string& folder);

// One secondary cell for every run of names that agree in their first seven
// characters (the whole name when shorter), in the order of the names;
// names that spell no cell are passed over.
std::vector<GeoBox> CellsOfTileNames(const std::vector<std::string>& names);

// The secondary cells holding the stored tiles of a mesh setting in the
// database folder; none for a setting without a tile folder.
std::vector<GeoBox> StoredTileCells(const std::string& databaseFolder, int meshSetting);

} // namespace qb
