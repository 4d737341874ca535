#include "tests/support/MemFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <set>
#include <stdexcept>

namespace qb::test {
namespace {

constexpr std::size_t kHeaderChars = 1009;
constexpr std::size_t kRowFlagsPos = 225;
constexpr std::size_t kMaxRows = kHeaderChars - kRowFlagsPos;

void Put(std::string& line, std::size_t pos, const std::string& text)
{
    line.replace(pos, text.size(), text);
}

std::string Printed(const char* format, int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string AngleField(const DmsAngle& a)
{
    if (a.degrees < 0 || a.degrees > 999 || a.minutes < 0 || a.minutes > 59 || a.seconds < 0 || a.seconds > 59)
        throw std::invalid_argument("corner does not fit ddd mm ss");
    return Printed("%03d", a.degrees) + Printed("%02d", a.minutes) + Printed("%02d", a.seconds);
}

void CheckSpec(const MemFileSpec& spec)
{
    if (spec.meshCode.size() != 6)
        throw std::invalid_argument("mesh code must have six characters");
    if (spec.dates.size() != 12)
        throw std::invalid_argument("dates must be three four-digit years");
    if (spec.columns < 1 || spec.columns > 999 || spec.rows < 1 || spec.rows > int(kMaxRows))
        throw std::invalid_argument("columns or rows do not fit the header");
    if (!spec.tenths)
        throw std::invalid_argument("no heights given");
}

std::string HeaderRecord(const MemFileSpec& spec, const std::set<int>& absent)
{
    std::string header(kHeaderChars, ' ');
    Put(header, 0, spec.meshCode);
    Put(header, 11, spec.dates);
    Put(header, 23, Printed("%3d", spec.columns));
    Put(header, 26, Printed("%3d", spec.rows));
    Put(header, 29, AngleField(spec.south));
    Put(header, 36, AngleField(spec.west));
    Put(header, 43, AngleField(spec.north));
    Put(header, 50, AngleField(spec.east));
    for (int row = 0; row < spec.rows; ++row)
        header[kRowFlagsPos + std::size_t(row)] = absent.count(row) ? '0' : '1';
    return header + "\r\n";
}

std::string Field(int tenths)
{
    if (tenths < -9999 || tenths > 99999)
        throw std::invalid_argument("height does not fit five characters");
    return Printed("%5d", tenths);
}

} // namespace

std::string MemFileText(const MemFileSpec& spec)
{
    CheckSpec(spec);
    const std::set<int> absent(spec.absentRows.begin(), spec.absentRows.end());
    const std::set<std::pair<int, int>> noData(spec.noData.begin(), spec.noData.end());
    std::string text = HeaderRecord(spec, absent);
    text.reserve(text.size() + std::size_t(spec.rows) * (std::size_t(spec.columns) * 5 + 11));
    for (int row = 0; row < spec.rows; ++row) {
        if (absent.count(row))
            continue;
        text += spec.meshCode;
        text += Printed("%03d", row + 1);
        for (int col = 0; col < spec.columns; ++col)
            text += Field(noData.count({row, col}) ? kMemNoData : spec.tenths(row, col));
        text += "\r\n";
    }
    return text;
}

void WriteMemFile(const std::string& path, const MemFileSpec& spec)
{
    const std::string text = MemFileText(spec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

TenthsFunction TenthsFromArray(std::vector<int> values, int columns)
{
    return [values = std::move(values), columns](int row, int col) {
        return values.at(std::size_t(row) * std::size_t(columns) + std::size_t(col));
    };
}

std::string TileEnviHeader(int columns, int rows, const EnviMapInfo* mapInfo)
{
    std::string text = "ENVI\nsamples = " + std::to_string(columns) + "\nlines = " + std::to_string(rows) +
                       "\nbands = 1\nheader offset = 128\nfile type = ENVI Standard\ndata type = 4"
                       "\ninterleave = bsq\nbyte order = 0\n";
    if (mapInfo) {
        char line[200];
        std::snprintf(line, sizeof line, "map info = {Geographic Lat/Lon, 1, 1, %.12g, %.12g, %.12g, %.12g, WGS-84}\n",
                      mapInfo->west, mapInfo->north, mapInfo->dx, mapInfo->dy);
        text += line;
    }
    return text;
}

CSyntheticTerrain::CSyntheticTerrain(std::uint32_t seed)
{
    std::mt19937 generator(seed);
    // Spelled out rather than a distribution so that every library draws the same numbers.
    const auto unit = [&generator] { return generator() / 4294967296.0; };
    constexpr double kTurn = 2.0 * std::numbers::pi;
    for (int i = 0; i < 4; ++i)
        m_waves.push_back({80.0 + 170.0 * unit(), 0.5 + 3.0 * unit(), 0.5 + 3.0 * unit(), kTurn * unit()});
    m_ridgeAngle = kTurn * unit();
    m_ridgeOffset = 0.3 * (unit() - 0.5);
    m_ridgePhase = kTurn * unit();
}

double CSyntheticTerrain::Metres(double u, double v) const
{
    constexpr double kTurn = 2.0 * std::numbers::pi;
    double h = 350.0;
    for (const Wave& w : m_waves)
        h += w.amplitude * std::sin(kTurn * (w.fu * u + w.fv * v) + w.phase);
    const double across = (u - 0.5) * std::sin(m_ridgeAngle) - (v - 0.5) * std::cos(m_ridgeAngle) - m_ridgeOffset;
    const double along = (u - 0.5) * std::cos(m_ridgeAngle) + (v - 0.5) * std::sin(m_ridgeAngle);
    const double crest = 0.8 + 0.2 * std::sin(kTurn * 3.0 * along + m_ridgePhase);
    h += 1300.0 * crest * std::exp(-(across / 0.12) * (across / 0.12));
    h += 25.0 * std::sin(kTurn * 17.0 * u + m_ridgePhase) * std::sin(kTurn * 13.0 * v);
    return std::clamp(h, 0.0, 2000.0);
}

std::vector<float> CSyntheticTerrain::Grid(int columns, int rows) const
{
    std::vector<float> heights(std::size_t(columns) * std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            heights[std::size_t(r) * std::size_t(columns) + std::size_t(c)] =
                static_cast<float>(Metres(double(c) / (columns - 1), double(r) / (rows - 1)));
    return heights;
}

TenthsFunction CSyntheticTerrain::Tenths(int columns, int rows) const
{
    return [terrain = *this, columns, rows](int row, int col) {
        return static_cast<int>(std::lround(10.0 * terrain.Metres(double(col) / (columns - 1), double(row) / (rows - 1))));
    };
}

} // namespace qb::test
