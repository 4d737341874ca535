#include "render3d/gl/GlClipMatrix.h"

namespace qb {
namespace {

// a x b of two row-major matrices.
Matrix4 Product(const Matrix4& a, const Matrix4& b)
{
    Matrix4 m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                m[r * 4 + c] += a[r * 4 + k] * b[k * 4 + c];
    return m;
}

} // namespace

Matrix4 GlClipMatrix(const Matrix4& view, const Matrix4& projection)
{
    // Row vectors: z' = 2z - w is column 2 of this matrix.
    const Matrix4 depthToGl{1, 0, 0, 0, //
                            0, 1, 0, 0, //
                            0, 0, 2, 0, //
                            0, 0, -1, 1};
    // A row-major matrix read column by column is its transpose, which is
    // what column vectors need.
    return Product(Product(view, projection), depthToGl);
}

} // namespace qb
