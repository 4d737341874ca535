#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"

#include <cstdio>

namespace qb::cli {

int RunHeight(const Arguments& args)
{
    if (args.words.size() != 3)
        return UsageError("height takes FILE LAT LON");
    const auto lat = ParseNumber(args.words[1]);
    const auto lon = ParseNumber(args.words[2]);
    if (!lat || !lon)
        return UsageError("LAT and LON must be decimal degrees");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    int col = -1, row = -1;
    grid.PointToCell(*lat, *lon, col, row);
    if (col < 0 || row < 0) {
        PrintError("指定された地点はデータの範囲外です。");
        return kExitFailure;
    }
    // The fractional grid position of the point, column and row.
    const double x = (grid.m_nCols - 1) * (*lon - grid.m_fWest) / (double(grid.m_fEast) - grid.m_fWest);
    const double y = (grid.m_nRows - 1) * (*lat - grid.m_fNorth) / (double(grid.m_fSouth) - grid.m_fNorth);
    // No height where the points it would come from have no data.
    const std::optional<float> height = grid.MeasuredHeightAt(x, y);
    if (args.Has("--json")) {
        CJsonObject json;
        json.Add("col", col).Add("row", row).Add("x", x).Add("y", y).Add("height", height);
        std::puts(json.Text().c_str());
    } else {
        std::printf("Cell:      column %d, row %d\n", col, row);
        std::printf("Position:  x %.4f, y %.4f\n", x, y);
        if (height)
            std::printf("Height:    %.2f m\n", *height);
        else
            std::printf("Height:    %s\n", kNoDataText.data());
    }
    return kExitOk;
}

} // namespace qb::cli
