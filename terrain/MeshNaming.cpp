#include "terrain/MeshNaming.h"

#include "platform/PathText.h"
#include "terrain/HeightGrid.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace qb {
namespace {

// Points far outside any grid-square code, and no number at all, give a
// code no cell has instead of overflowing the conversion.
int FloorInt(double value)
{
    const double floored = std::floor(value);
    if (std::isnan(floored))
        return INT_MIN;
    return static_cast<int>(std::clamp(floored, double(INT_MIN), double(INT_MAX)));
}

std::string Format(const char* format, int p1, int p2, int p3 = 0, int p4 = 0, int p5 = 0, int p6 = 0)
{
    char text[128];  // six numbers of eleven characters and the rest of the longest name
    std::snprintf(text, sizeof text, format, p1, p2, p3, p4, p5, p6);
    return text;
}

// A step further than this names no tile: the grid-square codes end long
// before it, and the code arithmetic stays well inside int.
constexpr std::int64_t kMaxNeighbourStep = std::int64_t(1) << 20;

// Brings index back into 0 .. span-1, carrying whole steps into `carry`.
void Carry(int& index, int& carry, int span)
{
    const int steps = (index >= 0 ? index : index - span + 1) / span;  // rounded down
    index -= steps * span;
    carry += steps;
}

int Digit(const std::string& text, std::size_t pos)
{
    return pos < text.size() && text[pos] >= '0' && text[pos] <= '9' ? text[pos] - '0' : 0;
}

// The number of a text of digits only, -1 for any other text; nine digits
// at most, far more than any grid-square code has.
int Number(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return -1;
        value = value * 10 + (ch - '0');
    }
    return value;
}

std::string MemNeighbour(const std::string& folder, const std::string& name, int dx, int dy)
{
    int primary = Number(name.substr(0, 4));
    int P = primary / 100, Q = primary % 100;
    int a = Digit(name, 4), b = Digit(name, 5);
    b += dx;
    a += dy;
    Carry(b, Q, 8);
    Carry(a, P, 8);
    const int newPrimary = P * 100 + Q;
    // Disc files live in a folder named by their primary code.
    std::string newFolder = folder;
    if (!folder.empty()) {
        const std::string trimmed = folder.substr(0, folder.size() - 1);
        const auto slash = trimmed.find_last_of("/\\");
        const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
        const int parentCode = Number(trimmed.substr(nameStart));
        if (parentCode >= 3001 && parentCode <= 6849 && parentCode != newPrimary)
            newFolder = trimmed.substr(0, nameStart) + std::to_string(newPrimary) + "/";
    }
    return newFolder + Format("%d%1d%1d.mem", newPrimary, a, b);
}

std::string TileNeighbour(const std::string& name, int dx, int dy)
{
    int primary = Number(name.substr(0, 4));
    int P = primary / 100, Q = primary % 100;
    const auto dash = name.find('-');
    const int a = Digit(name, dash + 1), b = Digit(name, dash + 2);
    const auto dot = name.rfind('.');
    if (dot >= 8) {
        int lat = a * 10 + Digit(name, 8) + dy;
        int lon = b * 10 + Digit(name, 9) + dx;
        Carry(lon, Q, 80);
        Carry(lat, P, 80);
        return Format("%04d-%1d%1d-%1d%1d", P * 100 + Q, lat / 10, lon / 10, lat % 10, lon % 10);
    }
    int na = a + dy, nb = b + dx;
    Carry(nb, Q, 8);
    Carry(na, P, 8);
    return Format("%04d-%1d%1d", P * 100 + Q, na, nb);
}

} // namespace

CellCode CellOfPoint(double lat, double lon)
{
    CellCode cell;
    const double y = lat * 1.5, x = lon - 100.0;
    cell.P = FloorInt(y);
    cell.Q = FloorInt(x);
    cell.a = FloorInt((y - cell.P) * 8);
    cell.b = FloorInt((x - cell.Q) * 8);
    cell.c = FloorInt(((y - cell.P) * 8 - cell.a) * 10);
    cell.d = FloorInt(((x - cell.Q) * 8 - cell.b) * 10);
    return cell;
}

CellCode CellOfSecondaryIndex(int latIndex, int lonIndex)
{
    CellCode cell;
    cell.P = latIndex / 8;
    cell.a = latIndex % 8;
    cell.Q = lonIndex / 8;
    cell.b = lonIndex % 8;
    return cell;
}

CellCode CellOfTenthIndex(int latIndex, int lonIndex)
{
    CellCode cell = CellOfSecondaryIndex(latIndex / 10, lonIndex / 10);
    cell.c = latIndex % 10;
    cell.d = lonIndex % 10;
    return cell;
}

std::string TileNameFor(double south, double west, int meshSize)
{
    const int Q = FloorInt(west - 100.0 + 0.01);
    const double x = (west - 100.0 - Q) * 8.0;
    const int P = FloorInt(south * 1.5 + 0.01);
    const double y = (south * 1.5 - P) * 8.0;
    const int a = FloorInt(y + 0.01), b = FloorInt(x + 0.01);
    const int c = FloorInt((y - a) * 10.0 + 0.01), d = FloorInt((x - b) * 10.0 + 0.01);
    if (meshSize == 10)
        return Format("%02d%02d-%1d%1d.3dm", P, Q, a, b);
    if (meshSize == 5)
        return Format("%02d%02d-%1d%1d-%1d%1d.3dm", P, Q, a, b, c, d);
    return Format("%02d%02d-%1d%1d-%1d%1d-DEM1A.3dm", P, Q, a, b, c, d);
}

std::string CHeightGrid::MakeTileName() const
{
    return TileNameFor(m_fSouth, m_fWest, m_nMeshSize);
}

bool IsDiscKind(int kind) { return kind >= kSourceDisc50mI && kind <= kSourceDisc250m; }
bool IsPrimaryKind(int kind) { return kind == kSourceDisc250m; }
bool IsTenthKind(int kind)
{
    return kind == kSource5m || kind == kSourceHybrid5m || kind == kSource1m || kind == kSourceHybrid1m;
}

std::string DataSourcePath(int kind, const CellCode& cell, const std::string& databaseFolder,
                           const std::string& discRoot)
{
    const auto& k = cell;
    switch (kind) {
    case kSourceDisc50mI:
    case kSourceDisc50mII:
    case kSourceDisc50mIII:
        return discRoot + Format("/Data/%02d%02d/%02d%02d%1d%1d.mem", k.P, k.Q, k.P, k.Q, k.a, k.b);
    case kSourceDisc250m:
        return discRoot + Format("/Data/250m/%02d%02d.sem", k.P, k.Q);
    case kSource10m:
    case kSourceHybrid10m:
        return databaseFolder + Format("/10m/%02d%02d-%1d%1d.3dm", k.P, k.Q, k.a, k.b);
    case kSource5m:
    case kSourceHybrid5m:
        return databaseFolder + Format("/5m/%02d%02d-%1d%1d-%1d%1d.3dm", k.P, k.Q, k.a, k.b, k.c, k.d);
    case kSource1m:
    case kSourceHybrid1m:
        return databaseFolder + Format("/1m/%02d%02d-%1d%1d-%1d%1d-DEM1A.3dm", k.P, k.Q, k.a, k.b, k.c, k.d);
    default:
        return {};
    }
}

std::string NeighbourName(const std::string& baseName, std::int64_t dx, std::int64_t dy)
{
    if (std::llabs(dx) > kMaxNeighbourStep || std::llabs(dy) > kMaxNeighbourStep)
        return {};
    const int east = static_cast<int>(dx), north = static_cast<int>(dy);
    const auto slash = baseName.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : baseName.substr(0, slash + 1);
    const std::string name = baseName.substr(folder.size());
    if (name.size() < 4 || Number(name.substr(0, 4)) < 0)
        return {};
    const std::string ext = LowerExtension(name);
    if (ext == "mem")
        return MemNeighbour(folder, name, east, north);
    if (ext == "sem") {
        const int primary = Number(name.substr(0, 4));
        return folder + std::to_string((primary / 100 + north) * 100 + primary % 100 + east) + ".sem";
    }
    if (ext == "3dm")
        return TileNeighbour(name, east, north);
    return {};
}

} // namespace qb
