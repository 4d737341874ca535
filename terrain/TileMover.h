#pragma once
#include <string>

namespace qb {

class IProgress;

struct TileMoveSummary {
    int found = 0;
    int moved = 0;
    int failed = 0;
    bool cancelled = false;
};

// Moves the .3dm tiles found in a folder and its subfolders into the database
// folder: each goes to the database's subfolder named like the folder that
// held it ("10m", "5m", "1m"), under its own name. The database gets its three
// subfolders first. Returns 1 when at least one tile was found and nothing was
// cancelled.
int MoveTilesIntoDatabase(const std::string& sourceFolder, const std::string& databaseFolder, IProgress* progress,
                          TileMoveSummary& summary);

} // namespace qb
