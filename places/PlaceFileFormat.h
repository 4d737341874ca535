#pragma once
#include "places/PlaceRecord.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace qb {

// The text of a place file: a 170-character header line, then one record
// per line in one of three fixed-column formats, the name running from its
// column to the end of the line.
inline constexpr std::size_t kPlaceLineLimit = 300;
inline constexpr std::size_t kPlaceHeaderChars = 170;

struct PlaceFileHeader {
    double south = 0.0;  // edges of the mesh the format-1 positions count in
    double west = 0.0;
    double north = 0.0;
    double east = 0.0;
    int format = 1;      // 1, 2 or 3
    int columns = 0;     // points of that mesh
    int rows = 0;
};

PlaceFileHeader ParsePlaceHeader(std::string_view line);
// The header's format number as a format: 2 stays 2, 3 and above read as 3,
// everything else (0, 1, no number) as 1.
int PlaceFormatOfNumber(int number);

// The lines of a place file, each cut to 300 characters (the rest of a
// longer line is dropped, never read as a line of its own), without the
// line end.
class CPlaceLines {
public:
    explicit CPlaceLines(std::string_view text) : m_text(text) {}
    bool Next(std::string_view& line);
    // The next line that is not empty: empty lines carry no record.
    bool NextRecord(std::string_view& line);

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The number of record lines after the header.
int CountPlaceRecords(std::string_view text);

// The fields one record line gives: kind (codes outside 0 .. 13 read as
// "others"), height, name and the coordinates of its format. Format 1
// gives the grid position and, when the header's mesh has at least three
// points that way, the old-datum pair; the pairs a line does not give, and
// numbers that are not finite, are -1. coordsFromFile is set for formats 2, 3.
PlaceRecord ParsePlaceLine(std::string_view line, int format, const PlaceFileHeader& header);

// The user file: the header line ("03" as its format, blanks elsewhere) and
// one format-3 line per record, lines ended by CR LF.
std::string PlaceHeaderLine(int format);
std::string FormatPlaceLine(const PlaceRecord& record);
std::string UserPlaceFileText(std::span<const PlaceRecord> records);

} // namespace qb
