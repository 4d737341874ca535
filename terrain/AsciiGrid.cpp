#include "terrain/AsciiGrid.h"

#include "platform/AtomicFile.h"
#include "terrain/HeightGrid.h"

#include <charconv>

namespace qb {
namespace {

template <class T>
void AppendNumber(std::string& out, T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string HeaderText(const CHeightGrid& grid)
{
    const double dx = grid.m_nCols > 1 ? (double(grid.m_fEast) - grid.m_fWest) / (grid.m_nCols - 1) : 0.0;
    const double dy = grid.m_nRows > 1 ? (double(grid.m_fNorth) - grid.m_fSouth) / (grid.m_nRows - 1) : 0.0;
    std::string text = "ncols " + std::to_string(grid.m_nCols) + "\nnrows " + std::to_string(grid.m_nRows);
    text += "\nxllcenter ";
    AppendNumber(text, double(grid.m_fWest));
    text += "\nyllcenter ";
    AppendNumber(text, double(grid.m_fSouth));
    text += "\ndx ";
    AppendNumber(text, dx);
    text += "\ndy ";
    AppendNumber(text, dy);
    text += "\nNODATA_value -9999\n";
    return text;
}

} // namespace

int WriteAsciiGrid(const CHeightGrid& grid, const std::string& path)
{
    if (!grid.HasHeights())
        return 0;
    CAtomicFileWriter writer;
    if (!writer.Open(path))
        return 0;
    std::string text = HeaderText(grid);
    for (int r = 0; r < grid.m_nRows; ++r) {
        for (int c = 0; c < grid.m_nCols; ++c) {
            if (c > 0)
                text += ' ';
            AppendNumber(text, grid.StoredHeight(grid.Index(r, c)));
        }
        text += '\n';
        if (text.size() > (1 << 20) || r + 1 == grid.m_nRows) {
            writer.Write(text.data(), text.size());
            text.clear();
        }
    }
    return writer.Commit() ? 1 : 0;
}

} // namespace qb
