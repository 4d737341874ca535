#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

// Field helpers of the fixed-column .mem/.sem text meshes.
namespace text_mesh {

inline constexpr std::size_t kHeaderRecordChars = 1008;
inline constexpr std::size_t kFirstLineLimit = 1500;
inline constexpr std::size_t kColumnsPos = 23;
inline constexpr std::size_t kRowsPos = 26;
inline constexpr std::size_t kSouthPos = 29;
inline constexpr std::size_t kWestPos = 36;
inline constexpr std::size_t kNorthPos = 43;
inline constexpr std::size_t kEastPos = 50;
inline constexpr std::size_t kRowFlagsPos = 225;
inline constexpr std::size_t kDataPos = 9;
inline constexpr std::size_t kFieldWidth = 5;
inline constexpr int kMinSize = 10;
inline constexpr int kMaxSize = 5000;

// The integer in line[pos, pos+width) read like C's atoi: leading blanks,
// an optional sign, digits up to the first other character. Characters
// beyond the end of the line are absent, so a missing field reads as 0.
int FieldInt(std::string_view line, std::size_t pos, std::size_t width);

// A seven-character angle: ddd mm ss as degrees, minutes and seconds, or,
// when it starts with '-', -ddd mm t (t tens of seconds), negated.
double FieldAngle(std::string_view line, std::size_t pos);

// A height field in tenths of a metre; -9999 and a field beyond the end of
// the line are no data (-9999 m).
float FieldHeight(std::string_view line, std::size_t column);

// Whether row i has a data line: header position 225 + i is not '0'.
// Positions past the kept header record count as rows with a line.
bool RowHasLine(std::string_view header, int row);

// Splits text into lines as a bounded line reader does: at most `limit`
// characters a line, the newline (and a carriage return before it) removed.
class CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_text(text) {}
    std::string_view Next(std::size_t limit);
    bool AtEnd() const { return m_pos >= m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Reads `rows` rows of `columns` heights after the header line: rows flagged
// absent in `header` are no data (-9999 m), as are lines after the end of the
// file.
void ReadRows(CLineReader& reader, std::string_view header, float* heights, int columns, int rows,
              std::size_t lineLimit);

} // namespace text_mesh
} // namespace qb
