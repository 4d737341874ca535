#include "tests/support/PlaceFiles.h"

#include <cstdio>

namespace qb::test {

std::string PlaceHeader(const PlaceHeaderSpec& spec)
{
    std::string line(170, ' ');
    auto put = [&line](std::size_t pos, const std::string& text) { line.replace(pos, text.size(), text); };
    char buffer[16];
    put(11, "1997");
    put(15, spec.south);
    put(22, spec.west);
    put(29, spec.north);
    put(36, spec.east);
    std::snprintf(buffer, sizeof buffer, "%05d", spec.count);
    put(63, buffer);
    std::snprintf(buffer, sizeof buffer, "%02d", spec.format);
    put(68, buffer);
    std::snprintf(buffer, sizeof buffer, "%04d%04d", spec.columns, spec.rows);
    put(70, buffer);
    put(168, "\r\n");
    return line;
}

std::string Format1Line(int col, int row, int kind, int tenths, const std::string& name)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%4d%4d%2d%5d", col, row, kind, tenths);
    return buffer + name + "\r\n";
}

std::string Format2Line(int kind, int tenths, double lat, double lon, const std::string& name)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d%05d%12.7f%12.7f", kind, tenths, lat, lon);
    return buffer + name + "\r\n";
}

std::string Format3Line(int kind, int tenths, double oldLat, double oldLon, double newLat, double newLon,
                        const std::string& name)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%02d%05d%12.7f%12.7f%12.7f%12.7f", kind, tenths, oldLat, oldLon, newLat,
                  newLon);
    return buffer + name + "\r\n";
}

} // namespace qb::test
