#include "tests/fuzz/GridCheck.h"

#include "terrain/AreaRecord.h"
#include "terrain/HeightGrid.h"

namespace qb::fuzz {

std::string GridFault(bool accepted, const CHeightGrid& grid, std::string_view step)
{
    if (!accepted)
        return {};
    const std::string prefix = std::string(step) + ": ";
    if (!grid.HasHeights())
        return prefix + "accepted without heights";
    if (grid.m_nCols <= 0 || grid.m_nRows <= 0)
        return prefix + "accepted a grid of " + std::to_string(grid.m_nCols) + " x " +
               std::to_string(grid.m_nRows) + " points";
    if (grid.m_nPoints != std::int64_t(grid.m_nCols) * grid.m_nRows ||
        grid.m_nDataBytes != grid.m_nPoints * std::int64_t(sizeof(float)))
        return prefix + "the point and byte counts disagree with the grid's size";
    if (grid.NoData().Points() != grid.m_nPoints)
        return prefix + "the no-data mask covers " + std::to_string(grid.NoData().Points()) + " points of " +
               std::to_string(grid.m_nPoints);
    return {};
}

CAreaRecord OneTileArea()
{
    CAreaRecord area;
    area.SetAreaName("fuzz");
    area.SetCounts(1, 1);
    area.SetListFlag(1);
    return area;
}

} // namespace qb::fuzz
