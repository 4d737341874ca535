#include "render3d/TerrainMesh.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(RenderTerrainMesh, NormalsSurvivePackingToWithinAStep)
{
    const Vec3 cases[] = {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}, {0.6f, -0.48f, 0.64f}, {-0.577f, -0.577f, -0.577f}};
    for (const Vec3& n : cases) {
        const Vec3 back = UnpackNormal(PackNormal(n));
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(back[i], n[i], 0.5f / 511) << i;
    }
}

TEST(RenderTerrainMesh, PackedFieldsAreSignedTenBitsXLowAndTheTopBitsClear)
{
    EXPECT_EQ(PackNormal({1, 0, 0}), 511u);
    EXPECT_EQ(PackNormal({0, 1, 0}), 511u << 10);
    EXPECT_EQ(PackNormal({0, 0, -1}), (1024u - 511u) << 20) << "two's complement in ten bits";
    EXPECT_EQ(PackNormal({0, 0, -1}) >> 30, 0u);
}

TEST(RenderTerrainMesh, PositionsFollowFromTheBlockSpanAndCountsSkipEmptyBlocks)
{
    TerrainMesh mesh;
    mesh.colStep = 0.5f;
    mesh.rowStep = 2;
    TerrainBlock block;
    block.span = {10, 4, 3, 2};
    block.vertices.resize(6);
    block.vertices[5].z = 7;
    mesh.blocks.push_back(block);
    mesh.blocks.push_back(TerrainBlock{{13, 4, 1, 2}, {}}); // a single column: no triangle, no vertex
    EXPECT_EQ(mesh.PositionOf(mesh.blocks[0], 5), (Vec3{6.0f, 10.0f, 7.0f}));
    EXPECT_EQ(mesh.PositionOf(mesh.blocks[0], 2), (Vec3{6.0f, 8.0f, 0.0f}));
    EXPECT_EQ(mesh.VertexCount(), 6);
    EXPECT_EQ(mesh.TriangleCount(), 4);
}

} // namespace
} // namespace qb
