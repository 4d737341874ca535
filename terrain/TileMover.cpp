#include "terrain/TileMover.h"

#include "platform/Progress.h"
#include "terrain/ZipArchive.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace qb {
namespace {

std::vector<fs::path> FindTiles(const std::string& folder)
{
    std::vector<fs::path> tiles;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec) && HasExtension(it->path().filename().string(), ".3dm"))
            tiles.push_back(it->path());
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

// A rename, or a copy and a removal when the two folders lie on different volumes.
bool MoveFile(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    fs::rename(from, to, ec);
    if (!ec)
        return true;
    const fs::path partial = to.string() + ".part";
    if (!fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec))
        return false;
    fs::rename(partial, to, ec);
    if (ec) {
        fs::remove(partial, ec);
        return false;
    }
    return fs::remove(from, ec);
}

} // namespace

int MoveTilesIntoDatabase(const std::string& sourceFolder, const std::string& databaseFolder, IProgress* progress,
                          TileMoveSummary& summary)
{
    std::error_code ec;
    for (const char* sub : {"10m", "5m", "1m"})
        fs::create_directories(fs::path(databaseFolder) / sub, ec);
    if (progress)
        progress->Report(0, 100);
    const std::vector<fs::path> tiles = FindTiles(sourceFolder);
    summary.found = static_cast<int>(tiles.size());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (progress) {
            progress->Report(static_cast<std::int64_t>(i), summary.found);
            if (progress->IsCancelled()) {
                summary.cancelled = true;
                return 0;
            }
        }
        const fs::path target = fs::path(databaseFolder) / tiles[i].parent_path().filename() / tiles[i].filename();
        ++(MoveFile(tiles[i], target) ? summary.moved : summary.failed);
    }
    return summary.found > 0 ? 1 : 0;
}

} // namespace qb
