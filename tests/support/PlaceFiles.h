#pragma once
#include <string>

namespace qb::test {

// Place-file text written field by field with printf, as a second writer
// beside the program's own. Angles of the header are "dddmmss".
struct PlaceHeaderSpec {
    int format = 3;          // written as "%02d" at 68-69
    std::string south = "0352000";
    std::string west = "1383730";
    std::string north = "0352500";
    std::string east = "1384500";
    int columns = 0;
    int rows = 0;
    int count = 0;
};
std::string PlaceHeader(const PlaceHeaderSpec& spec);

std::string Format1Line(int col, int row, int kind, int tenths, const std::string& name);
std::string Format2Line(int kind, int tenths, double lat, double lon, const std::string& name);
std::string Format3Line(int kind, int tenths, double oldLat, double oldLon, double newLat, double newLon,
                        const std::string& name);

} // namespace qb::test
