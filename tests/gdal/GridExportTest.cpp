// The GeoTIFF and the ASCII grid with its .prj that `quarrenby-cli export`
// writes, read back by GDAL: size, placement, coordinate system and no-data.
#include "terrain/HeightGrid.h"
#include "tests/gdal/CliRun.h"
#include "tests/support/TempDir.h"

#include <cpl_conv.h>
#include <gdal.h>
#include <ogr_srs_api.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace qb::test {
namespace {

const std::string kTile = SourcePath("data/sample/FG-GML-5238-74-00-DEM5A-20161001.3dm");
const std::string kOldDatumMesh = SourcePath("data/sample/tokachi-644320.mem");

// A file of each datum, both with points without data, and the EPSG code of its grid.
const struct {
    const char* name;
    std::string input;
    const char* epsg;
} kDatumCases[] = {{"5 m tile in JGD2011", kTile, "6668"}, {"50 m mesh in the Tokyo datum", kOldDatumMesh, "4301"}};

struct Raster {
    int cols = 0, rows = 0;
    std::array<double, 6> gt{};
    int hasNoData = 0;
    double noData = 0;
    std::string epsg;  // the EPSG code GDAL finds for its coordinate system
    std::vector<float> heights;
};

// The EPSG code of the best match GDAL finds for a coordinate system; empty when none.
std::string BestEpsgMatch(OGRSpatialReferenceH srs)
{
    int count = 0;
    int* confidence = nullptr;
    OGRSpatialReferenceH* matches = srs ? OSRFindMatches(srs, nullptr, &count, &confidence) : nullptr;
    std::string code;
    if (count > 0 && confidence[0] >= 90 && OSRGetAuthorityCode(matches[0], nullptr))
        code = OSRGetAuthorityCode(matches[0], nullptr);
    OSRFreeSRSArray(matches);
    CPLFree(confidence);
    return code;
}

Raster Read(const std::string& path)
{
    GDALAllRegister();
    Raster raster;
    GDALDatasetH ds = GDALOpen(path.c_str(), GA_ReadOnly);
    if (!ds)
        return raster;
    raster.cols = GDALGetRasterXSize(ds);
    raster.rows = GDALGetRasterYSize(ds);
    GDALGetGeoTransform(ds, raster.gt.data());
    GDALRasterBandH band = GDALGetRasterBand(ds, 1);
    raster.noData = GDALGetRasterNoDataValue(band, &raster.hasNoData);
    raster.epsg = BestEpsgMatch(GDALGetSpatialRef(ds));
    raster.heights.resize(std::size_t(raster.cols) * std::size_t(raster.rows));
    if (GDALRasterIO(band, GF_Read, 0, 0, raster.cols, raster.rows, raster.heights.data(), raster.cols, raster.rows,
                     GDT_Float32, 0, 0) != CE_None)
        raster.heights.clear();
    GDALClose(ds);
    return raster;
}

// The heights of a file as Quarrenby keeps them, -9999 where it has no data.
std::vector<float> StoredHeights(const std::string& path, CHeightGrid& grid)
{
    EXPECT_EQ(grid.ReadFile(path), 1) << path;
    std::vector<float> heights;
    for (std::size_t i = 0; i < std::size_t(grid.m_nPoints); ++i)
        heights.push_back(grid.StoredHeight(i));
    return heights;
}

std::string EpsgOfPrj(const std::string& path)
{
    const std::string text = ReadFileBytes(path);
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    const std::string code = OSRSetFromUserInput(srs, text.c_str()) == OGRERR_NONE ? BestEpsgMatch(srs) : "";
    OSRDestroySpatialReference(srs);
    return code;
}

TEST(GeoTiffExport, HoldsTheGridsSizePlacementDatumAndNoData)
{
    for (const auto& c : kDatumCases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        const CliResult exported = RunCli(dir, {"export", c.input, dir.File("out.tif")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        CHeightGrid grid;
        const std::vector<float> heights = StoredHeights(c.input, grid);
        ASSERT_GT(grid.m_nPoints - grid.DataPoints(), 0) << "the input has points without data";

        const Raster tif = Read(dir.File("out.tif"));
        ASSERT_EQ(tif.cols, grid.m_nCols);
        ASSERT_EQ(tif.rows, grid.m_nRows);
        EXPECT_EQ(tif.epsg, c.epsg);
        EXPECT_EQ(tif.hasNoData, 1);
        EXPECT_EQ(tif.noData, -9999.0);
        EXPECT_TRUE(tif.heights == heights) << "float32 heights with -9999 where there is no data";
        // The outer points are the centres of the outer cells.
        const double dx = (double(grid.m_fEast) - grid.m_fWest) / (grid.m_nCols - 1);
        const double dy = (double(grid.m_fNorth) - grid.m_fSouth) / (grid.m_nRows - 1);
        EXPECT_NEAR(tif.gt[1], dx, 1e-15);
        EXPECT_NEAR(tif.gt[5], -dy, 1e-15);
        EXPECT_EQ(tif.gt[2], 0.0);
        EXPECT_EQ(tif.gt[4], 0.0);
        EXPECT_NEAR(tif.gt[0] + 0.5 * tif.gt[1], grid.m_fWest, 1e-12);
        EXPECT_NEAR(tif.gt[3] + 0.5 * tif.gt[5], grid.m_fNorth, 1e-12);
        EXPECT_NEAR(tif.gt[3] + (tif.rows - 0.5) * tif.gt[5], grid.m_fSouth, 1e-12);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3)
            << "out.tif and the two output captures, no temporary file left";
    }
}

TEST(AsciiGridExport, WritesAPrjThatGdalPlacesTheGridBy)
{
    for (const auto& c : kDatumCases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        const CliResult exported = RunCli(dir, {"export", c.input, dir.File("grid.asc")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_EQ(EpsgOfPrj(dir.File("grid.prj")), c.epsg);
        EXPECT_NE(ReadFileBytes(dir.File("grid.prj")).find("GEOGCS[\"GCS_"), std::string::npos) << "ESRI WKT";
        const Raster asc = Read(dir.File("grid.asc"));
        EXPECT_EQ(asc.epsg, c.epsg) << "GDAL reads the .prj beside the grid";
        EXPECT_EQ(asc.noData, -9999.0);
    }
}

TEST(GridExport, AFileThatCannotBeWrittenIsAFailureNamingIt)
{
    CTempDir dir;
    for (const char* name : {"missing/out.tif", "missing/out.asc"}) {
        const CliResult exported = RunCli(dir, {"export", kTile, dir.File(name)});
        EXPECT_EQ(exported.exitCode, 1) << name;
        EXPECT_NE(exported.err.find(dir.File(name)), std::string::npos) << exported.err;
    }
}

} // namespace
} // namespace qb::test
