// The solid the mesh files are written from: one surface grid over the
// blocks' shared seams, and sides that close it.
#include "cli/ExportSolid.h"
#include "render3d/MeshBuild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace qb {
namespace {

constexpr double kSpacing = 10;

struct Built {
    std::vector<float> heights;
    TerrainMesh mesh;
};

// A mesh of columns x rows points 10 m apart, height(c, r) in metres.
Built Build(int columns, int rows, const std::function<float(int, int)>& height)
{
    Built b;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            b.heights.push_back(height(c, r));
    MeshInput in;
    in.columns = columns;
    in.rows = rows;
    in.colSpacing = in.rowSpacing = kSpacing;
    in.heights = b.heights;
    EXPECT_EQ(BuildMesh(in, nullptr, b.mesh), 1);
    return b;
}

// 57 columns make blocks of 8 and a last block one column wide, which holds
// nothing: its column is the seam of the block before it.
TEST(ExportSolid, SurfaceIsOneGridOverTheSeamsInMetresNorthUp)
{
    const Built b = Build(57, 43, [](int c, int r) { return float(100 + c + 2 * r); });
    const CExportSolid solid(b.mesh);
    ASSERT_EQ(solid.Columns(), 57);
    ASSERT_EQ(solid.Rows(), 43);
    EXPECT_EQ(solid.SurfaceTriangleCount(), 2 * 56 * 42);
    for (int r = 0; r < 43; ++r) {
        for (int c = 0; c < 57; ++c) {
            const Vec3 p = solid.SurfacePosition(c, r);
            ASSERT_FLOAT_EQ(p[0], float(c * kSpacing)) << c << "," << r;
            ASSERT_FLOAT_EQ(p[1], float((42 - r) * kSpacing)) << "row 0 is the north edge";
            ASSERT_NEAR(p[2], 100 + c + 2 * r, 1e-3) << c << "," << r;
        }
    }
}

// A plane rising 1 m a column eastwards and 2 m a row southwards: every
// normal, on the seams as inside the blocks, leans west and north.
TEST(ExportSolid, NormalsOfATiltedPlaneAgreeAcrossTheSeams)
{
    const Built b = Build(57, 43, [](int c, int r) { return float(100 + c + 2 * r); });
    const CExportSolid solid(b.mesh);
    const double length = std::sqrt(1.0 + 4.0 + 100.0);
    for (int r = 1; r < 42; ++r) {
        for (int c = 1; c < 56; ++c) {
            const Vec3 n = solid.SurfaceVertex(c, r).normal;
            ASSERT_NEAR(n[0], -1 / length, 0.01) << c << "," << r;
            ASSERT_NEAR(n[1], 2 / length, 0.01) << "north is y; " << c << "," << r;
            ASSERT_NEAR(n[2], 10 / length, 0.01) << c << "," << r;
        }
    }
}

// A valley curving across: a block sees a seam point's slope from one side
// only; the solid averages the blocks' normals into the slope across it.
TEST(ExportSolid, SeamNormalsAverageTheBlocksOnBothSides)
{
    const Built b = Build(57, 43, [](int c, int) { return float((c - 12) * (c - 12)); });
    const CExportSolid solid(b.mesh);
    for (const int c : {8, 15, 16, 17, 24}) {
        const double slope = 2.0 * (c - 12) / kSpacing; // metres a metre, from both neighbours
        const Vec3 n = solid.SurfaceVertex(c, 20).normal;
        EXPECT_NEAR(n[2], 1 / std::sqrt(1 + slope * slope), 0.01) << "column " << c << (c % 8 ? "" : ", a seam");
    }
}

// Every directed edge of the triangles once, and its reverse once: closed
// and consistently wound. Returns the volume (divergence theorem).
double ClosedVolume(const CExportSolid& solid)
{
    std::vector<std::array<Vec3, 3>> triangles;
    solid.ForEachSurfaceTriangle([&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
        const auto at = [&](std::uint32_t v) {
            return solid.SurfacePosition(int(v) % solid.Columns(), int(v) / solid.Columns());
        };
        triangles.push_back({at(a), at(b), at(c)});
    });
    const auto& sv = solid.SideVertices();
    const auto& st = solid.SideTriangles();
    for (std::size_t i = 0; i < st.size(); i += 3)
        triangles.push_back({sv[st[i]].position, sv[st[i + 1]].position, sv[st[i + 2]].position});
    std::map<std::pair<Vec3, Vec3>, int> edges;
    double volume = 0;
    for (const auto& [a, b, c] : triangles) {
        ++edges[{a, b}];
        ++edges[{b, c}];
        ++edges[{c, a}];
        volume += (double(a[0]) * (double(b[1]) * c[2] - double(b[2]) * c[1]) -
                   double(a[1]) * (double(b[0]) * c[2] - double(b[2]) * c[0]) +
                   double(a[2]) * (double(b[0]) * c[1] - double(b[1]) * c[0])) / 6;
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        const auto reverse = edges.find({edge.second, edge.first});
        EXPECT_TRUE(reverse != edges.end() && reverse->second == 1);
    }
    return volume;
}

TEST(ExportSolid, SidesCloseTheSolidDownToTheBase)
{
    const struct {
        const char* name;
        float low;   // the height of the lowest points
        float base;  // where the bottom lies
    } cases[] = {{"above sea level: the base at 0", 40, 0}, {"points at 0: 1 m below", 0, -1},
                 {"below sea level: 1 m below the lowest", -3, -4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A ramp from `low` in the west to low + 40 in the east.
        const Built b = Build(41, 33, [&](int col, int) { return c.low + float(col); });
        const CExportSolid solid(b.mesh);
        EXPECT_EQ(solid.Base(), c.base);
        const double width = 40 * kSpacing, depth = 32 * kSpacing;
        const double meanAboveBase = c.low + 20 - c.base;
        EXPECT_NEAR(ClosedVolume(solid), width * depth * meanAboveBase, 1e-3 * width * depth * meanAboveBase);
        for (const SolidVertex& v : solid.SideVertices())
            ASSERT_EQ(v.argb, 0xFF800000u) << "dark red sides";
    }
}

TEST(ExportSolid, AHeightThatIsNotANumberStandsAtZeroAndTheSolidStaysClosed)
{
    const Built b = Build(41, 33, [](int c, int r) { return c == 0 && r == 5 ? NAN : float(50 + c); });
    const CExportSolid solid(b.mesh);
    EXPECT_EQ(solid.SurfacePosition(0, 5)[2], 0.0f);
    EXPECT_EQ(solid.Base(), -1.0f);
    EXPECT_GT(ClosedVolume(solid), 0);
    for (const SolidVertex& v : solid.SideVertices())
        ASSERT_TRUE(std::isfinite(v.position[2]));
}

} // namespace
} // namespace qb
