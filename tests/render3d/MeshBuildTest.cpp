#include "render3d/MeshBuild.h"

#include "platform/Progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb {
namespace {

struct Grid {
    int columns, rows;
    std::vector<float> heights;
    MeshInput Input(double colSpacing = 10, double rowSpacing = 10) const
    {
        MeshInput in;
        in.columns = columns;
        in.rows = rows;
        in.colSpacing = colSpacing;
        in.rowSpacing = rowSpacing;
        in.heights = heights;
        return in;
    }
};

template <typename F>
Grid MakeGrid(int columns, int rows, F height)
{
    Grid g{columns, rows, {}};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            g.heights.push_back(height(c, r));
    return g;
}

class RecordingProgress : public IProgress {
public:
    void Report(std::int64_t done, std::int64_t total) override
    {
        reports.push_back(double(done) / double(total));
    }
    bool IsCancelled() override { return cancelAfter >= 0 && int(reports.size()) > cancelAfter; }
    std::vector<double> reports;
    int cancelAfter = -1;
};

TEST(MeshBuild, EveryBlockVertexCarriesItsGridPointAndSeamsAgree)
{
    const Grid g = MakeGrid(40, 37, [](int c, int r) { return float(1 + c * 3 + (r * 7) % 11); });
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(10, 5), nullptr, mesh), 1);
    EXPECT_FLOAT_EQ(mesh.scale, 20.0f / 400);
    std::vector<int> seen(40 * 37, 0);
    std::int64_t expected = 0;
    for (const TerrainBlock& b : mesh.blocks) {
        ASSERT_EQ(std::int64_t(b.vertices.size()), b.span.HasTriangles() ? b.span.Vertices() : 0) << "sized to fit";
        expected += std::int64_t(b.vertices.size());
        for (int i = 0; i < int(b.vertices.size()); ++i) {
            const int column = b.span.firstCol + i % b.span.cols, row = b.span.firstRow + i / b.span.cols;
            const Vec3 p = mesh.PositionOf(b, i);
            EXPECT_FLOAT_EQ(p[0], column * 10 * mesh.scale);
            EXPECT_FLOAT_EQ(p[1], row * 5 * mesh.scale);
            ASSERT_FLOAT_EQ(p[2], g.heights[row * 40 + column] * mesh.scale);
            ++seen[row * 40 + column];
        }
    }
    EXPECT_EQ(mesh.VertexCount(), expected);
    // 40 x 37 in 8 x 8 blocks of 5 x 5: points on inner seams are in two blocks, crossings in four.
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[5], 2);
    EXPECT_EQ(seen[5 * 40 + 5], 4);
    EXPECT_EQ(seen[36 * 40 + 39], 1);
}

TEST(MeshBuild, ABlockWithoutATriangleIsLeftOutAndTheRestIsBuilt)
{
    // 57 columns: the last block of each block row is the single column 56.
    const Grid g = MakeGrid(57, 40, [](int c, int) { return float(c + 1); });
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(), nullptr, mesh), 1);
    EXPECT_TRUE(mesh.blocks[7].vertices.empty());
    EXPECT_EQ(mesh.blocks[6].vertices.size(), 9u * 6);
    EXPECT_EQ(mesh.TriangleCount(), 2 * 56 * 39) << "every cell is drawn once";
    // One column or one row leaves no triangle anywhere.
    const Grid line = MakeGrid(1, 40, [](int, int) { return 5.0f; });
    EXPECT_EQ(BuildMesh(line.Input(), nullptr, mesh), 0);
    EXPECT_TRUE(mesh.Empty());
}

TEST(MeshBuild, NothingIsBuiltWithoutPointsOrExtent)
{
    const Grid g = MakeGrid(4, 4, [](int, int) { return 1.0f; });
    TerrainMesh mesh;
    EXPECT_EQ(BuildMesh(g.Input(0, 0), nullptr, mesh), 0);
    EXPECT_EQ(BuildMesh(MeshInput{}, nullptr, mesh), 0);
    MeshInput shortOfHeights = g.Input();
    shortOfHeights.rows = 5;
    EXPECT_EQ(BuildMesh(shortOfHeights, nullptr, mesh), 0);
    EXPECT_TRUE(mesh.Empty());
    EXPECT_EQ(BuildMesh(g.Input(0, 10), nullptr, mesh), 1) << "one side with length is enough";
}

TEST(MeshBuild, ATiltedPlaneHasOneNormalOnEveryVertexEdgesIncluded)
{
    // z = 0.5 x - 0.25 y in metres, spacings 10 and 20 m.
    const Grid g = MakeGrid(30, 20, [](int c, int r) { return float(100 + 0.5 * c * 10 - 0.25 * r * 20); });
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(10, 20), nullptr, mesh), 1);
    const double length = std::sqrt(0.25 + 0.0625 + 1);
    const Vec3 want{float(-0.5 / length), float(0.25 / length), float(1 / length)};
    for (const TerrainBlock& b : mesh.blocks)
        for (const TerrainVertex& v : b.vertices) {
            const Vec3 n = UnpackNormal(v.normal);
            for (int i = 0; i < 3; ++i)
                ASSERT_NEAR(n[i], want[i], 2.0 / 511) << i;
        }
}

TEST(MeshBuild, ARidgeTiltsTheNormalsOfItsFlanksApart)
{
    // A ridge along column 10: the normals on either side lean away from it.
    const Grid g = MakeGrid(21, 21, [](int c, int) { return float(100 - 5 * std::abs(c - 10)); });
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(), nullptr, mesh), 1);
    const TerrainBlock& b = mesh.blocks[0]; // columns 0-3: the west flank, rising eastwards
    EXPECT_LT(UnpackNormal(b.vertices[1 * b.span.cols + 1].normal)[0], -0.3f);
    const TerrainBlock& east = mesh.blocks[5]; // columns 15-18
    EXPECT_GT(UnpackNormal(east.vertices[1 * east.span.cols + 1].normal)[0], 0.3f);
}

TEST(MeshBuild, AHeightThatIsNotANumberSpoilsOnlyTheNormalsAroundIt)
{
    Grid g = MakeGrid(20, 20, [](int c, int r) { return float(c + r + 1); });
    g.heights[5 * 20 + 5] = std::nanf("");
    for (int mode : {kColourModeHeight, kColourModeSlope}) {
        MeshInput in = g.Input();
        in.colours.mode = mode;
        TerrainMesh mesh;
        ASSERT_EQ(BuildMesh(in, nullptr, mesh), 1);
        // Column 4, row 5 is vertex (1, 2) of block (1, 1), which spans columns and rows 3 to 6.
        const Vec3 beside = UnpackNormal(mesh.blocks[9].vertices[2 * 4 + 1].normal);
        EXPECT_NEAR(beside[2], 1, 1e-6) << "straight up where no face can be measured";
        EXPECT_LT(UnpackNormal(mesh.blocks[0].vertices[0].normal)[2], 0.995f) << "the plane elsewhere";
    }
}

TEST(MeshBuild, WallsCloseTheShownEdgesDownToZero)
{
    const Grid g = MakeGrid(4, 3, [](int c, int r) { return float(1 + c + 10 * r); });
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(10, 5), nullptr, mesh), 1);
    const float s = mesh.scale; // 20 / 40
    const auto& firstRow = mesh.walls[kWallFirstRow];
    ASSERT_EQ(firstRow.size(), 8u);
    EXPECT_EQ(firstRow[0].position, (Vec3{0, 0, 1 * s}));
    EXPECT_EQ(firstRow[1].position, (Vec3{0, 0, 0}));
    EXPECT_EQ(firstRow[6].position, (Vec3{30 * s, 0, 4 * s}));
    EXPECT_EQ(firstRow[0].normal, (Vec3{0, -1, 0}));
    EXPECT_EQ(firstRow[0].argb, 0xFF800000u);
    const auto& lastRow = mesh.walls[kWallLastRow];
    EXPECT_EQ(lastRow[0].position, (Vec3{30 * s, 10 * s, 24 * s})) << "runs back from the last column";
    EXPECT_EQ(lastRow[7].position, (Vec3{0, 10 * s, 0}));
    EXPECT_EQ(lastRow[0].normal, (Vec3{0, 1, 0}));
    const auto& firstColumn = mesh.walls[kWallFirstColumn], &lastColumn = mesh.walls[kWallLastColumn];
    ASSERT_EQ(firstColumn.size(), 6u);
    EXPECT_EQ(firstColumn[4].position, (Vec3{0, 10 * s, 21 * s}));
    EXPECT_EQ(firstColumn[4].normal, (Vec3{-1, 0, 0}));
    EXPECT_EQ(lastColumn[2].position, (Vec3{30 * s, 5 * s, 14 * s}));
    EXPECT_EQ(lastColumn[2].normal, (Vec3{1, 0, 0}));
}

TEST(MeshBuild, WallsFollowTheLastShownRowWhenRowsAreDropped)
{
    // 256 x 256-point blocks with their seams would pass 16-bit indices: rows are dropped.
    const int columns = 2048, rows = 2048;
    Grid g{columns, rows, std::vector<float>(std::size_t(columns) * rows, 0.0f)};
    for (int c = 0; c < columns; ++c)
        g.heights[std::size_t(2031) * columns + c] = 7;
    MeshInput in = g.Input(1, 1);
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(in, nullptr, mesh), 1);
    ASSERT_EQ(mesh.layout.rowsUsed, 2032);
    EXPECT_EQ(mesh.walls[kWallFirstColumn].size(), 2u * 2032);
    EXPECT_EQ(mesh.walls[kWallLastRow][0].position[1], 2031 * mesh.scale);
    EXPECT_EQ(mesh.walls[kWallLastRow][0].position[2], 7 * mesh.scale);
}

TEST(MeshBuild, TheCameraStartsOverTheMiddleAtTheMeanHeight)
{
    const Grid g = MakeGrid(4, 3, [](int c, int r) { return float(c + 4 * r); }); // mean 5.5
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(10, 5), nullptr, mesh), 1);
    EXPECT_FLOAT_EQ(mesh.target[0], 10);
    EXPECT_FLOAT_EQ(mesh.target[1], 3.75f);
    EXPECT_FLOAT_EQ(mesh.target[2], 5.5f * 0.5f);
    EXPECT_EQ(mesh.extent, (std::array<float, 2>{20, 7.5f}));
}

TEST(MeshBuild, ProgressRisesInAboutTwentyStepsAPassAndCancelLeavesNothing)
{
    const Grid g = MakeGrid(200, 200, [](int c, int r) { return float(c + r); });
    RecordingProgress progress;
    TerrainMesh mesh;
    ASSERT_EQ(BuildMesh(g.Input(), &progress, mesh), 1);
    ASSERT_FALSE(progress.reports.empty());
    EXPECT_GE(progress.reports.size(), 20u);
    EXPECT_LE(progress.reports.size(), 60u);
    EXPECT_DOUBLE_EQ(progress.reports.back(), 1.0);
    for (std::size_t i = 1; i < progress.reports.size(); ++i)
        EXPECT_LE(progress.reports[i - 1], progress.reports[i]);
    RecordingProgress cancelling;
    cancelling.cancelAfter = 3;
    EXPECT_EQ(BuildMesh(g.Input(), &cancelling, mesh), 0);
    EXPECT_TRUE(mesh.Empty());
    EXPECT_TRUE(mesh.walls[kWallFirstRow].empty());
}

} // namespace
} // namespace qb
