#pragma once
#include <cstdint>
#include <string>

namespace qb {

// The codes of the national grid-square system for a point: primary cell P
// (latitude, 2/3 degree) and Q (longitude, 1 degree), secondary digits a
// (latitude) and b (longitude), 0 .. 7, and tenth digits c and d, 0 .. 9.
struct CellCode {
    int P = 0, Q = 0, a = 0, b = 0, c = 0, d = 0;
    int PrimaryCode() const { return P * 100 + Q; }
    int SecondaryLat() const { return P * 8 + a; }
    int SecondaryLon() const { return Q * 8 + b; }
    int TenthLat() const { return SecondaryLat() * 10 + c; }
    int TenthLon() const { return SecondaryLon() * 10 + d; }
};

CellCode CellOfPoint(double lat, double lon);
CellCode CellOfSecondaryIndex(int latIndex, int lonIndex);
CellCode CellOfTenthIndex(int latIndex, int lonIndex);

// The .3dm file name of the tile whose south-west point is (south, west);
// 0.01 is added before each truncation so that corners lying on a cell line
// after float rounding still name their own cell.
std::string TileNameFor(double south, double west, int meshSize);

// Data source kinds: what one area is assembled from.
enum DataSourceKind {
    kSourceDisc50mI = 1, kSourceDisc50mII = 2, kSourceDisc50mIII = 3, kSourceDisc250m = 4,
    kSource10m = 5, kSource5m = 6, kSourceHybrid10m = 7, kSourceHybrid5m = 8,
    kSource1m = 9, kSourceHybrid1m = 10,
};
bool IsDiscKind(int kind);
bool IsTenthKind(int kind);
bool IsPrimaryKind(int kind);

// The path of one file of a data source: the disc kinds under the data
// disc's mount root ("<root>/Data/5338/533800.mem", "<root>/Data/250m/5639.sem"),
// the tile kinds under the database folder ("<db>/10m/5339-06.3dm",
// "<db>/5m/5339-06-12.3dm", "<db>/1m/5339-06-12-DEM1A.3dm").
std::string DataSourcePath(int kind, const CellCode& cell, const std::string& databaseFolder,
                           const std::string& discRoot);

// The name of the tile dx cells east and dy cells north of `baseName`, of the
// same kind: "5340-00" for .3dm names (callers add the extension and folder),
// a whole path for .mem and .sem names; empty for any other file and for
// steps of more than a million cells.
std::string NeighbourName(const std::string& baseName, std::int64_t dx, std::int64_t dy);

} // namespace qb
