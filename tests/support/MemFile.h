#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qb::test {

// A corner of a text mesh as written in its header: ddd mm ss.
struct DmsAngle {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    double Degrees() const { return degrees + minutes / 60.0 + seconds / 3600.0; }
};

// Height of point (row, col) in tenths of a metre; row 0 is the north edge.
using TenthsFunction = std::function<int(int row, int col)>;

inline constexpr int kMemNoData = -9999;

// Everything a generated .mem/.sem file holds. The defaults describe the
// 50 m mesh of secondary cell 533805 (old datum, 200 x 200 points).
struct MemFileSpec {
    std::string meshCode = "533805";      // six characters, repeated at the start of every record
    std::string dates = "199319951997";   // three years, at header positions 11, 15 and 19
    int columns = 200;
    int rows = 200;
    DmsAngle south{35, 20, 0};
    DmsAngle west{138, 37, 30};
    DmsAngle north{35, 25, 0};
    DmsAngle east{138, 45, 0};
    TenthsFunction tenths;                     // required
    std::vector<int> absentRows;               // flagged '0' in the header, no record
    std::vector<std::pair<int, int>> noData;   // (row, col) points written as -9999
};

// The file text: a header record of 1009 characters and CR LF, then one record
// per present row: mesh code, 1-based row number in three digits, one
// five-character field per column, CR LF. Throws std::invalid_argument when
// the description does not fit the fixed columns.
std::string MemFileText(const MemFileSpec& spec);
void WriteMemFile(const std::string& path, const MemFileSpec& spec);

// Heights from a row-major array of columns x rows values in tenths.
TenthsFunction TenthsFromArray(std::vector<int> values, int columns);

// The upper-left corner of the upper-left cell and the cell size in degrees.
struct EnviMapInfo {
    double west = 0.0;
    double north = 0.0;
    double dx = 0.0;
    double dy = 0.0;
};

// The ENVI header (name.hdr beside name.3dm) through which GDAL reads a .3dm
// tile as one band of little-endian floats after the 128-byte header;
// georeferenced when a map info is given.
std::string TileEnviHeader(int columns, int rows, const EnviMapInfo* mapInfo = nullptr);

// Plausible terrain for fixtures: a few long waves, a ridge and some fine
// relief, between 0 and 2000 m, the same for the same seed.
class CSyntheticTerrain {
public:
    explicit CSyntheticTerrain(std::uint32_t seed);

    // Height in metres at u (0 west .. 1 east) and v (0 north .. 1 south).
    double Metres(double u, double v) const;
    // columns x rows heights, row-major, row 0 north; both counts at least 2.
    std::vector<float> Grid(int columns, int rows) const;
    // The same terrain sampled for a text mesh.
    TenthsFunction Tenths(int columns, int rows) const;

private:
    struct Wave {
        double amplitude, fu, fv, phase;
    };
    std::vector<Wave> m_waves;
    double m_ridgeAngle = 0.0;
    double m_ridgeOffset = 0.0;
    double m_ridgePhase = 0.0;
};

} // namespace qb::test
