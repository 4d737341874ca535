#include "cli/GridCrs.h"

#include "platform/AtomicFile.h"
#include "terrain/HeightGrid.h"

#include <cpl_conv.h>
#include <ogr_srs_api.h>

namespace qb {

namespace {

constexpr int kEpsgJgd2011 = 6668;
constexpr int kEpsgTokyo = 4301;

} // namespace

int EpsgOfGrid(const CHeightGrid& grid)
{
    return grid.m_bNewDatum ? kEpsgJgd2011 : kEpsgTokyo;
}

std::string EsriWktOfEpsg(int epsg)
{
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    std::string text;
    char* wkt = nullptr;
    const char* const options[] = {"FORMAT=WKT1_ESRI", nullptr};
    if (OSRImportFromEPSG(srs, epsg) == OGRERR_NONE && OSRExportToWktEx(srs, &wkt, options) == OGRERR_NONE && wkt)
        text = wkt;
    CPLFree(wkt);
    OSRDestroySpatialReference(srs);
    return text;
}

std::string PrjPathBeside(const std::string& gridPath)
{
    const auto slash = gridPath.find_last_of('/');
    const auto dot = gridPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? gridPath.substr(0, dot) : gridPath) + ".prj";
}

bool WritePrjBeside(const CHeightGrid& grid, const std::string& gridPath)
{
    const std::string wkt = EsriWktOfEpsg(EpsgOfGrid(grid));
    CAtomicFileWriter writer;
    return !wkt.empty() && writer.Open(PrjPathBeside(gridPath)) && writer.Write(wkt.data(), wkt.size()) &&
           writer.Commit();
}

} // namespace qb
