#include "cli/GridFiles.h"

#include "cli/GeoTiff.h"
#include "cli/GridCrs.h"
#include "platform/PathText.h"
#include "terrain/AsciiGrid.h"
#include "terrain/HeightGrid.h"

namespace qb {
namespace {

bool IsGeoTiffPath(const std::string& path)
{
    return HasExtension(path, ".tif") || HasExtension(path, ".tiff");
}

} // namespace

bool IsGridFilePath(const std::string& path)
{
    return HasExtension(path, ".asc") || IsGeoTiffPath(path) || FileTypeOfPath(path) == kFile3dm;
}

std::string WriteGridFile(const CHeightGrid& grid, const std::string& path)
{
    if (IsGeoTiffPath(path))
        return WriteGeoTiff(grid, path) ? "" : path;
    if (!IsGridFilePath(path))
        return path;
    if (!HasExtension(path, ".asc"))
        return grid.WriteTile(path, TileWriteMode::Replace) ? "" : path;
    if (!WriteAsciiGrid(grid, path))
        return path;
    return WritePrjBeside(grid, path) ? "" : PrjPathBeside(path);
}

} // namespace qb
