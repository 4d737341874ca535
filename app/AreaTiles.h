#pragma once
#include <string>
#include <vector>

namespace qb {

class CAreaRecord;

// The files of an area's tiles, row by row from the north-west tile, for a
// mesh setting and load pass (1 base, 2 the 5 m overlay, 3 the 1 m overlay):
// disc paths as named, database tiles under "10m", "5m" or "1m". A tile
// without a name gives an empty entry; an area without columns or without
// rows gives no entries.
std::vector<std::string> AreaTilePaths(const CAreaRecord& record, int meshSetting, int pass,
                                       const std::string& databaseFolder);

// Whether at least one of those files exists.
bool AnyAreaTileExists(const std::vector<std::string>& paths);

// The tiles for a message: the first path and how many more there are
// ("/db/5m/6443-20-00.3dm ほか 99 個").
std::string DescribeAreaTiles(const std::vector<std::string>& paths);

} // namespace qb
