#pragma once
#include "terrain/HeightGrid.h"

#include <functional>

namespace qb::test {

// Fills `grid` with columns x rows heights from f(row, col) and the extent.
inline void FillGrid(CHeightGrid& grid, int columns, int rows, const std::function<float(int, int)>& f,
                     float south = 35.0f, float north = 35.0833f, float west = 139.0f, float east = 139.125f)
{
    auto heights = std::make_unique<float[]>(static_cast<std::size_t>(columns) * rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            heights[static_cast<std::size_t>(r) * columns + c] = f(r, c);
    grid.AdoptHeights(std::move(heights), columns, rows);
    grid.m_nFileCols = columns;
    grid.m_nFileRows = rows;
    grid.m_fSouth = south;
    grid.m_fNorth = north;
    grid.m_fWest = west;
    grid.m_fEast = east;
    grid.UpdateMinMax();
}

} // namespace qb::test
