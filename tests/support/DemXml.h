#pragma once
#include <string>
#include <vector>

namespace qb::test {

// A synthetic elevation XML file laid out as the agency writes them.
struct DemXml {
    std::string lowerCorner = "35.25 138.5";
    std::string upperCorner = "35.258333333 138.5125";
    std::string date = "2016-10-01";
    std::string type = "5mメッシュ（標高）";
    std::string low = "0 0";
    std::string high = "4 4";
    std::string startPoint = "0 0";
    std::vector<std::string> tuples;  // "地表面,123.45"
    bool byteOrderMark = false;
    bool withStartPoint = true;
    bool withHigh = true;
    std::string lineEnd = "\r\n";

    std::string Text() const;
};

// n tuples "地表面,<value>" with values first, first + step, ...
std::vector<std::string> Tuples(int n, double first, double step);

// The grid of an XML file read by an XML parser, with the tuples placed from
// the start point onward in row order; no-data points hold -9999.
struct ReferenceDem {
    int cols = 0, rows = 0, startX = 0, startY = 0, date = 0;
    double south = 0, west = 0, north = 0, east = 0;
    std::string type;
    std::vector<float> heights;
    bool ok = false;
};
ReferenceDem ReadReferenceDem(const std::string& xml);

} // namespace qb::test
