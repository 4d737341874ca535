#pragma once
#include <string>

namespace qb {

class CHeightGrid;

// The ten texts of the map information dialog.
struct MapInfoTexts {
    std::string fileName, fileType;
    std::string pointsEastWest, pointsNorthSouth;
    std::string spacingEastWest, spacingNorthSouth;
    std::string west, east, north, south;
};

MapInfoTexts MakeMapInfo(const CHeightGrid& grid, int openMode);

// An angle as degrees, minutes and seconds, "%4d.%2d'%2d", the seconds rounded.
std::string FormatDms(double degrees);

// The kind of data of a file, by the extension of its path.
std::string FileTypeText(const std::string& path, int openMode);

} // namespace qb
