// GDAL as a second reader: the text mesh, the tile and the ASCII grid that
// quarrenby-cli writes must read the same in GDAL, and hostile tiles must be
// refused by the command-line tool.
#include "terrain/HeightGrid.h"
#include "tests/gdal/CliRun.h"
#include "tests/support/MemFile.h"
#include "tests/support/TempDir.h"

#include <gdal.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qb::test {
namespace {

static_assert(std::endian::native == std::endian::little, "tile bytes are built in native order");

const std::string kNotDataFile = "このファイルはデータファイルではありません。";

// The number after "key": in the one-line JSON of `info --json`.
double JsonNumber(const std::string& json, const std::string& key)
{
    const std::string tag = "\"" + key + "\":";
    const auto pos = json.find(tag);
    if (pos == std::string::npos)
        throw std::runtime_error("no " + key + " in " + json);
    return std::strtod(json.c_str() + pos + tag.size(), nullptr);
}

float JsonFloat(const std::string& json, const std::string& key)
{
    return static_cast<float>(JsonNumber(json, key));
}

struct GdalRaster {
    std::string driver;
    int cols = 0;
    int rows = 0;
    std::array<double, 6> gt{};
    std::vector<float> heights;
};

GdalRaster ReadWithGdal(const std::string& path)
{
    GDALAllRegister();
    GdalRaster raster;
    GDALDatasetH ds = GDALOpen(path.c_str(), GA_ReadOnly);
    if (!ds)
        return raster;
    raster.driver = GDALGetDriverShortName(GDALGetDatasetDriver(ds));
    raster.cols = GDALGetRasterXSize(ds);
    raster.rows = GDALGetRasterYSize(ds);
    GDALGetGeoTransform(ds, raster.gt.data());
    raster.heights.resize(std::size_t(raster.cols) * std::size_t(raster.rows));
    if (GDALGetRasterCount(ds) < 1 ||
        GDALRasterIO(GDALGetRasterBand(ds, 1), GF_Read, 0, 0, raster.cols, raster.rows, raster.heights.data(),
                     raster.cols, raster.rows, GDT_Float32, 0, 0) != CE_None)
        raster.heights.clear();
    GDALClose(ds);
    return raster;
}

// Empty when both hold the same floats; otherwise the first differing point.
std::string FirstDifference(const std::vector<float>& expected, const std::vector<float>& actual, int cols)
{
    if (expected.size() != actual.size())
        return "sizes " + std::to_string(expected.size()) + " and " + std::to_string(actual.size());
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin());
    if (e == expected.end())
        return "";
    const auto index = e - expected.begin();
    std::size_t count = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        count += expected[i] != actual[i];
    std::ostringstream text;
    text.precision(9);
    text << count << " points differ, first at row " << index / cols << " col " << index % cols << ": expected "
         << *e << ", got " << *a;
    return text.str();
}

// GDAL's text-mesh driver scales the tenths by 0.1f in single precision,
// which misses the nearest float by one unit in the last place for about a
// fifth of all values; the heights a reader should give are the tenths GDAL
// read, divided by ten and rounded once.
std::vector<float> DecimalHeights(const std::vector<float>& gdalHeights)
{
    std::vector<float> heights;
    heights.reserve(gdalHeights.size());
    for (const float h : gdalHeights)
        heights.push_back(static_cast<float>(std::lround(double(h) * 10.0) / 10.0));
    return heights;
}

// A realistic 50 m text mesh with every row present and no missing fields,
// the only kind GDAL and Quarrenby read alike, with GDAL's reading of it.
class GdalAgreement : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<CTempDir>();
        MemFileSpec spec;
        spec.tenths = CSyntheticTerrain(20240611).Tenths(spec.columns, spec.rows);
        WriteMemFile(MemPath(), spec);
        s_jdem = ReadWithGdal(MemPath());
        s_heights = DecimalHeights(s_jdem.heights);
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(s_jdem.driver, "JDEM");
        ASSERT_EQ(s_jdem.cols, 200);
        ASSERT_EQ(s_jdem.rows, 200);
        ASSERT_FALSE(s_jdem.heights.empty());
    }

    static const CTempDir& Dir() { return *s_dir; }
    static std::string MemPath() { return s_dir->File("533805.mem"); }
    static const GdalRaster& Jdem() { return s_jdem; }
    static const std::vector<float>& Heights() { return s_heights; }

private:
    static inline std::unique_ptr<CTempDir> s_dir;
    static inline GdalRaster s_jdem;
    static inline std::vector<float> s_heights;
};

TEST_F(GdalAgreement, TextMeshReaderMatchesGdalPointForPoint)
{
    CHeightGrid grid;
    ASSERT_EQ(grid.ReadTextMesh(MemPath()), 1);
    ASSERT_EQ(grid.m_nCols, Jdem().cols);
    ASSERT_EQ(grid.m_nRows, Jdem().rows);
    const std::vector<float> heights(grid.Heights(), grid.Heights() + grid.m_nPoints);
    EXPECT_EQ(FirstDifference(Heights(), heights, grid.m_nCols), "");
}

TEST_F(GdalAgreement, InfoReportsGdalsSizeRangeAndCorners)
{
    const CliResult info = RunCli(Dir(), {"info", MemPath(), "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(JsonNumber(info.out, "cols"), Jdem().cols);
    EXPECT_EQ(JsonNumber(info.out, "rows"), Jdem().rows);
    const auto [low, high] = std::minmax_element(Heights().begin(), Heights().end());
    EXPECT_EQ(JsonFloat(info.out, "minHeight"), *low);
    EXPECT_EQ(JsonFloat(info.out, "maxHeight"), *high);
    // GDAL puts the corners on cell edges, Quarrenby on the outer points, but
    // both take the same four numbers from the header.
    const auto& gt = Jdem().gt;
    EXPECT_EQ(JsonFloat(info.out, "west"), static_cast<float>(gt[0]));
    EXPECT_EQ(JsonFloat(info.out, "north"), static_cast<float>(gt[3]));
    EXPECT_FLOAT_EQ(JsonFloat(info.out, "east"), static_cast<float>(gt[0] + Jdem().cols * gt[1]));
    EXPECT_FLOAT_EQ(JsonFloat(info.out, "south"), static_cast<float>(gt[3] + Jdem().rows * gt[5]));
}

TEST_F(GdalAgreement, ExportedAsciiGridHasTheHeightsAndPointAtEdgeExtent)
{
    const std::string asc = Dir().File("export.asc");
    const CliResult exported = RunCli(Dir(), {"export", MemPath(), asc});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const CliResult info = RunCli(Dir(), {"info", MemPath(), "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.err;

    const GdalRaster grid = ReadWithGdal(asc);
    ASSERT_EQ(grid.driver, "AAIGrid");
    ASSERT_EQ(grid.cols, Jdem().cols);
    ASSERT_EQ(grid.rows, Jdem().rows);
    EXPECT_EQ(FirstDifference(Heights(), grid.heights, grid.cols), "");

    // The outer points are cell centres: xllcenter = west, yllcenter = south.
    const double west = JsonFloat(info.out, "west");
    const double east = JsonFloat(info.out, "east");
    const double south = JsonFloat(info.out, "south");
    const double north = JsonFloat(info.out, "north");
    const auto& gt = grid.gt;
    EXPECT_NEAR(gt[1], (east - west) / (grid.cols - 1), 1e-12);
    EXPECT_NEAR(-gt[5], (north - south) / (grid.rows - 1), 1e-12);
    EXPECT_EQ(gt[2], 0.0);
    EXPECT_EQ(gt[4], 0.0);
    EXPECT_NEAR(gt[0] + 0.5 * gt[1], west, 1e-9);
    EXPECT_NEAR(gt[3] + (grid.rows - 0.5) * gt[5], south, 1e-9);
    EXPECT_NEAR(gt[3] + 0.5 * gt[5], north, 1e-9);
}

TEST_F(GdalAgreement, ExportedTileReadsInGdalThroughAnEnviHeader)
{
    const std::string tile = Dir().File("export.3dm");
    const CliResult exported = RunCli(Dir(), {"export", MemPath(), tile});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(ReadFileBytes(tile).size(), 128u + 4u * Heights().size());

    WriteFileBytes(Dir().File("export.hdr"), TileEnviHeader(Jdem().cols, Jdem().rows));
    const GdalRaster raw = ReadWithGdal(tile);
    ASSERT_EQ(raw.driver, "ENVI");
    ASSERT_EQ(raw.cols, Jdem().cols);
    ASSERT_EQ(raw.rows, Jdem().rows);
    EXPECT_EQ(FirstDifference(Heights(), raw.heights, raw.cols), "");
}

// --- Hostile tiles ---------------------------------------------------------

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void PutFloat32(std::string& bytes, std::size_t offset, float value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// A 10 m tile header from the format's offsets, followed by `heights`.
std::string TileBytes(std::int32_t columns, std::int32_t rows, const std::vector<float>& heights,
                      const char* magic = "TQZH")
{
    std::string bytes(128, '\0');
    std::memcpy(bytes.data(), magic, 4);
    PutInt32(bytes, 4, 2);
    PutInt32(bytes, 32, columns);
    PutInt32(bytes, 52, rows);
    PutInt32(bytes, 72, 10);
    PutInt32(bytes, 92, 10);
    PutInt32(bytes, 104, 1);
    PutFloat32(bytes, 112, 35.0f);
    PutFloat32(bytes, 116, 139.0f);
    PutFloat32(bytes, 120, 35.083333f);
    PutFloat32(bytes, 124, 139.125f);
    bytes.append(reinterpret_cast<const char*>(heights.data()), heights.size() * sizeof(float));
    return bytes;
}

TEST(HostileTile, InfoRefusesItAsNoDataFile)
{
    const std::vector<float> small = CSyntheticTerrain(7).Grid(20, 10);
    // 65537 x 65537 wraps to 131073 in 32 bits; the file holds that many heights.
    const std::vector<float> wrapped(131073, 100.0f);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"zero columns", TileBytes(0, 750, {})},
        {"negative columns", TileBytes(-1125, 750, {})},
        {"negative rows", TileBytes(1125, -750, {})},
        {"product wraps to zero in 32 bits", TileBytes(65536, 65536, {})},
        {"product wraps to a count the file holds", TileBytes(65537, 65537, wrapped)},
        {"128 bytes promising 1e9 points", TileBytes(40000, 25000, {})},
        {"wrong magic", TileBytes(20, 10, small, "TQZX")},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("hostile.3dm");
        WriteFileBytes(path, c.bytes);
        const CliResult info = RunCli(dir, {"info", path, "--json"});
        EXPECT_EQ(info.exitCode, 1);
        EXPECT_NE(info.err.find(kNotDataFile), std::string::npos) << info.err;
        EXPECT_EQ(info.out, "");
    }
}

TEST(HostileTile, TruncatedTileIsRefusedSayingWhatIsMissing)
{
    const std::vector<float> heights = CSyntheticTerrain(7).Grid(20, 10);
    // Cut in the middle of the 74th height.
    const std::string bytes = TileBytes(20, 10, heights).substr(0, 128 + 4 * 73 + 2);
    CTempDir dir;
    const std::string path = dir.File("short.3dm");
    WriteFileBytes(path, bytes);
    const CliResult info = RunCli(dir, {"info", path, "--json"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_NE(info.err.find(kNotDataFile), std::string::npos) << info.err;
    EXPECT_NE(info.err.find("ファイルが途中で切れています: 422 バイトしかありません (20 × 10 点のタイルは 928 バイト)。"),
              std::string::npos)
        << info.err;
    EXPECT_EQ(info.out, "");
}

} // namespace
} // namespace qb::test
