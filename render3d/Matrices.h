#pragma once
#include "render3d/RenderFrame.h"

namespace qb {

// The left-handed view matrix of a camera at `eye` looking at `at` with `up`
// upwards, as Direct3D's D3DXMatrixLookAtLH builds it.
Matrix4 LookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up);
// The left-handed perspective projection of vertical field of view `fovY`
// (radians), as D3DXMatrixPerspectiveFovLH builds it: depth 0 at `zNear`,
// 1 at `zFar`.
Matrix4 PerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);

} // namespace qb
