#pragma once
#include "cli/ExportSolid.h"

#include <cstdint>
#include <vector>

namespace qb {

// The surface positions of a solid by vertex number, two rows of them kept
// at a time, so that a walk over the triangles row by row computes each
// position once.
class CSolidRows {
public:
    explicit CSolidRows(const CExportSolid& solid) : m_solid(solid) {}
    const Vec3& Position(std::uint32_t vertex);

private:
    const CExportSolid& m_solid;
    std::vector<Vec3> m_rows[2];
    int m_rowOf[2] = {-1, -1};
};

// The unit normal of triangle a, b, c (counter-clockwise), 0 for a triangle without area.
Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c);

} // namespace qb
