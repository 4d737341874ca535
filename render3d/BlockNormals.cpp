#include "render3d/BlockNormals.h"

#include <cmath>

namespace qb {
namespace {

// A block's heights seen as a grid, with the sums that make a vertex normal.
// Every triangle of the split has the face normal (-rowStep dzx, -colStep dzy,
// colStep rowStep), dzx and dzy the rises along its horizontal and vertical
// edge, so a vertex normal needs only the sums of those rises.
struct BlockGrid {
    const TerrainVertex* v;
    int w, h;
    float Z(int k, int i) const { return v[i * w + k].z; }
};

struct Rises {
    float dzx = 0, dzy = 0;
    int triangles = 0;
};

// An inner vertex: the six triangles of the four cells around it.
Rises InnerRises(const BlockGrid& g, int k, int i)
{
    Rises r;
    r.dzx = 2 * (g.Z(k + 1, i) - g.Z(k - 1, i)) + g.Z(k, i + 1) - g.Z(k - 1, i + 1) + g.Z(k + 1, i - 1) - g.Z(k, i - 1);
    r.dzy = 2 * (g.Z(k, i + 1) - g.Z(k, i - 1)) + g.Z(k - 1, i + 1) - g.Z(k - 1, i) + g.Z(k + 1, i) - g.Z(k + 1, i - 1);
    r.triangles = 6;
    return r;
}

// Any vertex: the triangles of those of its four cells that lie in the block.
Rises EdgeRises(const BlockGrid& g, int k, int i)
{
    Rises r;
    const bool left = k > 0, right = k + 1 < g.w, up = i > 0, down = i + 1 < g.h;
    if (right && down) { // the vertex is the cell's first corner: its first triangle
        r.dzx += g.Z(k + 1, i) - g.Z(k, i);
        r.dzy += g.Z(k, i + 1) - g.Z(k, i);
        r.triangles += 1;
    }
    if (left && down) { // its second corner: both triangles
        r.dzx += g.Z(k, i) - g.Z(k - 1, i) + g.Z(k, i + 1) - g.Z(k - 1, i + 1);
        r.dzy += g.Z(k - 1, i + 1) - g.Z(k - 1, i) + g.Z(k, i + 1) - g.Z(k, i);
        r.triangles += 2;
    }
    if (right && up) { // its third corner: both triangles
        r.dzx += g.Z(k + 1, i - 1) - g.Z(k, i - 1) + g.Z(k + 1, i) - g.Z(k, i);
        r.dzy += g.Z(k, i) - g.Z(k, i - 1) + g.Z(k + 1, i) - g.Z(k + 1, i - 1);
        r.triangles += 2;
    }
    if (left && up) { // its last corner: the second triangle
        r.dzx += g.Z(k, i) - g.Z(k - 1, i);
        r.dzy += g.Z(k, i) - g.Z(k, i - 1);
        r.triangles += 1;
    }
    return r;
}

std::uint32_t PackedNormal(const Rises& r, float colStep, float rowStep)
{
    const float x = -rowStep * r.dzx, y = -colStep * r.dzy, z = colStep * rowStep * static_cast<float>(r.triangles);
    const float length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0))
        return PackNormal({0, 0, 1});
    return PackNormal({x / length, y / length, z / length});
}

} // namespace

void SetBlockNormals(TerrainBlock& block, float colStep, float rowStep)
{
    if (std::int64_t(block.vertices.size()) < block.span.Vertices())
        return; // a block without a triangle holds no vertices
    const BlockGrid g{block.vertices.data(), block.span.cols, block.span.rows};
    TerrainVertex* v = block.vertices.data();
    for (int i = 0; i < g.h; ++i) {
        const bool edgeRow = i == 0 || i + 1 == g.h;
        for (int k = 0; k < g.w; ++k) {
            const bool edge = edgeRow || k == 0 || k + 1 == g.w;
            const Rises r = edge ? EdgeRises(g, k, i) : InnerRises(g, k, i);
            v[i * g.w + k].normal = PackedNormal(r, colStep, rowStep);
        }
    }
}

} // namespace qb
