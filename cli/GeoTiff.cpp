#include "cli/GeoTiff.h"

#include "cli/GridCrs.h"
#include "platform/AtomicFile.h"
#include "terrain/HeightGrid.h"

#include <cpl_conv.h>
#include <cpl_vsi.h>
#include <gdal.h>
#include <gdal_frmts.h>
#include <ogr_srs_api.h>

#include <atomic>
#include <memory>
#include <vector>

namespace qb {

std::array<double, 6> GeoTransformOf(const CHeightGrid& grid)
{
    const double dx = grid.m_nCols > 1 ? (double(grid.m_fEast) - grid.m_fWest) / (grid.m_nCols - 1) : 0.0;
    const double dy = grid.m_nRows > 1 ? (double(grid.m_fNorth) - grid.m_fSouth) / (grid.m_nRows - 1) : 0.0;
    return {double(grid.m_fWest) - dx / 2, dx, 0.0, double(grid.m_fNorth) + dy / 2, 0.0, -dy};
}

namespace {

struct DatasetCloser {
    void operator()(void* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

// A /vsimem/ name of its own for each file built in this process.
std::string MemoryPath()
{
    static std::atomic<int> counter{0};
    return "/vsimem/quarrenby-" + std::to_string(counter++) + ".tif";
}

Dataset CreateTiff(const std::string& path, const CHeightGrid& grid)
{
    GDALRegister_GTiff();
    GDALDriverH driver = GDALGetDriverByName("GTiff");
    const char* const options[] = {"COMPRESS=DEFLATE", "PREDICTOR=3", "TILED=YES", "BIGTIFF=IF_SAFER", nullptr};
    if (!driver)
        return nullptr;
    return Dataset(GDALCreate(driver, path.c_str(), grid.m_nCols, grid.m_nRows, 1, GDT_Float32, options));
}

bool SetCoordinateSystem(GDALDatasetH dataset, const CHeightGrid& grid)
{
    std::array<double, 6> transform = GeoTransformOf(grid);
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    OSRSetAxisMappingStrategy(srs, OAMS_TRADITIONAL_GIS_ORDER);
    const bool ok = OSRImportFromEPSG(srs, EpsgOfGrid(grid)) == OGRERR_NONE &&
                    GDALSetSpatialRef(dataset, srs) == CE_None &&
                    GDALSetGeoTransform(dataset, transform.data()) == CE_None;
    OSRDestroySpatialReference(srs);
    return ok;
}

// The heights row by row as files keep them: the no-data value where there is none.
bool WriteHeights(GDALDatasetH dataset, const CHeightGrid& grid)
{
    GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
    if (GDALSetRasterNoDataValue(band, kNoData) != CE_None)
        return false;
    std::vector<float> row(static_cast<std::size_t>(grid.m_nCols));
    for (int r = 0; r < grid.m_nRows; ++r) {
        for (int c = 0; c < grid.m_nCols; ++c)
            row[static_cast<std::size_t>(c)] = grid.StoredHeight(grid.Index(r, c));
        if (GDALRasterIO(band, GF_Write, 0, r, grid.m_nCols, 1, row.data(), grid.m_nCols, 1, GDT_Float32, 0, 0) !=
            CE_None)
            return false;
    }
    return true;
}

// Builds the whole file under `memoryPath`; true when GDAL closed it without error.
bool BuildTiff(const std::string& memoryPath, const CHeightGrid& grid)
{
    Dataset dataset = CreateTiff(memoryPath, grid);
    if (!dataset || !SetCoordinateSystem(dataset.get(), grid) || !WriteHeights(dataset.get(), grid))
        return false;
    CPLErrorReset();
    dataset.reset();
    return CPLGetLastErrorType() < CE_Failure;
}

bool CopyToFile(const std::string& memoryPath, const std::string& path)
{
    vsi_l_offset size = 0;
    const GByte* bytes = VSIGetMemFileBuffer(memoryPath.c_str(), &size, FALSE);
    CAtomicFileWriter writer;
    return bytes && writer.Open(path) && writer.Write(bytes, static_cast<std::size_t>(size)) && writer.Commit();
}

} // namespace

bool WriteGeoTiff(const CHeightGrid& grid, const std::string& path)
{
    if (!grid.HasHeights() || grid.m_nCols < 2 || grid.m_nRows < 2)
        return false;
    const std::string memoryPath = MemoryPath();
    const bool ok = BuildTiff(memoryPath, grid) && CopyToFile(memoryPath, path);
    VSIUnlink(memoryPath.c_str());
    return ok;
}

} // namespace qb
