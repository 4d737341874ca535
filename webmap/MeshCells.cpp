#include "webmap/MeshCells.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int Digits(std::string_view text)
{
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

MeshSteps MeshStepsOfSourceKind(int sourceKind)
{
    if (sourceKind == kPrimaryCellSourceKind)
        return {1.0, 2.0 / 3.0};
    return {0.125, 1.0 / 12.0};
}

double SnapToStep(double value, double step)
{
    return std::floor(value / step + 0.5) * step;
}

GeoBox BoxOfCorners(double lat1, double lon1, double lat2, double lon2)
{
    return GeoBox{.south = std::min(lat1, lat2), .north = std::max(lat1, lat2), .west = std::min(lon1, lon2),
                  .east = std::max(lon1, lon2)};
}

GeoBox ClampToArea(const GeoBox& box, const GeoBox& area)
{
    return GeoBox{.south = std::max(box.south, area.south), .north = std::min(box.north, area.north),
                  .west = std::max(box.west, area.west), .east = std::min(box.east, area.east)};
}

bool BoxHolds(const GeoBox& box, double lat, double lon)
{
    return lat >= box.south && lat <= box.north && lon >= box.west && lon <= box.east;
}

std::optional<GeoBox> CellOfTileName(std::string_view name)
{
    if (name.size() < 7 || !std::all_of(name.begin(), name.begin() + 4, IsDigit) || !IsDigit(name[5]) ||
        !IsDigit(name[6]))
        return std::nullopt;
    const int p = Digits(name.substr(0, 2));
    const int q = Digits(name.substr(2, 2));
    const int a = name[5] - '0';
    const int b = name[6] - '0';
    GeoBox cell;
    cell.south = (p + a * 0.125) / 1.5;
    cell.north = (p + (a + 1) * 0.125) / 1.5;
    cell.west = q + 100 + b * 0.125;
    cell.east = cell.west + 0.125;
    return cell;
}

} // namespace qb
