#include "terrain/MapInfo.h"

#include "platform/PathText.h"
#include "terrain/HeightGrid.h"

#include <cmath>
#include <cstdio>

namespace qb {

std::string FormatDms(double degrees)
{
    const bool negative = degrees < 0;
    long seconds = std::lround(std::fabs(degrees) * 3600.0);
    const long d = seconds / 3600;
    const long m = seconds / 60 % 60;
    seconds %= 60;
    const std::string whole = (negative ? "-" : "") + std::to_string(d);
    char text[40];
    std::snprintf(text, sizeof text, "%4s.%2ld'%2ld", whole.c_str(), m, seconds);
    return text;
}

std::string FileTypeText(const std::string& path, int openMode)
{
    const std::string ext = LowerExtension(path);
    if (ext == "sem")
        return "数値地図２５０ｍメッシュ";
    if (ext == "mem")
        return "数値地図５０ｍメッシュ";
    if (ext == "3dm")
        return "Quarrenby オリジナルデータ";
    if (ext == "are")
        return "Quarrenby 山域データ";
    if (ext == "xml")
        return "USGS ３秒メッシュ";
    return openMode == 2 ? "Quarrenby 山域データ" : "";
}

namespace {

std::string Number(const char* format, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

MapInfoTexts MakeMapInfo(const CHeightGrid& grid, int openMode)
{
    MapInfoTexts info;
    info.fileName = grid.m_strPath;
    info.fileType = FileTypeText(grid.m_strPath, openMode);
    info.pointsEastWest = Number("%5d", grid.m_nCols);
    info.pointsNorthSouth = Number("%5d", grid.m_nRows);
    info.spacingEastWest = Number("%5dm", grid.m_nMeshSize);
    info.spacingNorthSouth = Number("%5dm", grid.m_nMeshSize2);
    info.west = FormatDms(grid.m_fWest);
    info.east = FormatDms(grid.m_fEast);
    info.north = FormatDms(grid.m_fNorth);
    info.south = FormatDms(grid.m_fSouth);
    return info;
}

} // namespace qb
