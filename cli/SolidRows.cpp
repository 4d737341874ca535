#include "cli/SolidRows.h"

#include <cmath>

namespace qb {

const Vec3& CSolidRows::Position(std::uint32_t vertex)
{
    const int columns = m_solid.Columns();
    const int row = static_cast<int>(vertex / static_cast<std::uint32_t>(columns));
    const int column = static_cast<int>(vertex % static_cast<std::uint32_t>(columns));
    for (int k = 0; k < 2; ++k)
        if (m_rowOf[k] == row)
            return m_rows[k][std::size_t(column)];
    // Rows come in order: the older row makes room.
    const int k = m_rowOf[0] < m_rowOf[1] ? 0 : 1;
    m_rows[k].resize(std::size_t(columns));
    for (int c = 0; c < columns; ++c)
        m_rows[k][std::size_t(c)] = m_solid.SurfacePosition(c, row);
    m_rowOf[k] = row;
    return m_rows[k][std::size_t(column)];
}

Vec3 FaceNormal(const Vec3& a, const Vec3& b, const Vec3& c)
{
    const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
    const double v[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0)
        return {0, 0, 0};
    return {float(n[0] / length), float(n[1] / length), float(n[2] / length)};
}

} // namespace qb
