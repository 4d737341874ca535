#include "render3d/Matrices.h"

#include <cmath>

namespace qb {
namespace {

Vec3 Sub(const Vec3& a, const Vec3& b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float Dot(const Vec3& a, const Vec3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 Normalised(const Vec3& v)
{
    const float length = std::sqrt(Dot(v, v));
    if (length == 0)
        return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

} // namespace

Matrix4 LookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up)
{
    const Vec3 z = Normalised(Sub(at, eye));
    const Vec3 x = Normalised(Cross(up, z));
    const Vec3 y = Cross(z, x);
    return {x[0], y[0], z[0], 0,
            x[1], y[1], z[1], 0,
            x[2], y[2], z[2], 0,
            -Dot(x, eye), -Dot(y, eye), -Dot(z, eye), 1};
}

Matrix4 PerspectiveFovLH(float fovY, float aspect, float zNear, float zFar)
{
    const float yScale = 1.0f / std::tan(fovY / 2);
    const float xScale = yScale / aspect;
    const float depth = zFar / (zFar - zNear);
    return {xScale, 0, 0, 0,
            0, yScale, 0, 0,
            0, 0, depth, 1,
            0, 0, -zNear * depth, 0};
}

} // namespace qb
