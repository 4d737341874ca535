#include "terrain/TextMeshFormat.h"

#include "terrain/HeightGrid.h"

#include <algorithm>

namespace qb::text_mesh {

int FieldInt(std::string_view line, std::size_t pos, std::size_t width)
{
    if (pos >= line.size())
        return 0;
    const std::string_view field = line.substr(pos, width);
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    int value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

double FieldAngle(std::string_view line, std::size_t pos)
{
    if (pos < line.size() && line[pos] == '-') {
        const double degrees = FieldInt(line, pos + 1, 3);
        const double minutes = FieldInt(line, pos + 4, 2);
        const double seconds = FieldInt(line, pos + 6, 1) * 10.0;
        return -(degrees + minutes / 60.0 + seconds / 3600.0);
    }
    const double degrees = FieldInt(line, pos, 3);
    const double minutes = FieldInt(line, pos + 3, 2);
    const double seconds = FieldInt(line, pos + 5, 2);
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

float FieldHeight(std::string_view line, std::size_t column)
{
    const std::size_t pos = kDataPos + kFieldWidth * column;
    const int tenths = FieldInt(line, pos, kFieldWidth);
    return pos >= line.size() || tenths == -9999 ? kNoData : static_cast<float>(tenths / 10.0);
}

bool RowHasLine(std::string_view header, int row)
{
    const std::size_t pos = kRowFlagsPos + static_cast<std::size_t>(row);
    return pos >= header.size() || header[pos] != '0';
}

std::string_view CLineReader::Next(std::size_t limit)
{
    const std::size_t start = m_pos;
    const std::size_t newline = m_text.find('\n', start);
    const std::size_t lineEnd = newline == std::string_view::npos ? m_text.size() : newline;
    std::size_t end = std::min(lineEnd, start + limit);
    // A line cut at the limit goes on in the next read, unless only its
    // line end is left.
    if (end == lineEnd || (end + 1 == lineEnd && m_text[end] == '\r'))
        m_pos = std::min(lineEnd + 1, m_text.size());
    else
        m_pos = end;
    std::string_view line = m_text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

void ReadRows(CLineReader& reader, std::string_view header, float* heights, int columns, int rows,
              std::size_t lineLimit)
{
    for (int row = 0; row < rows; ++row) {
        float* out = heights + static_cast<std::size_t>(row) * static_cast<std::size_t>(columns);
        if (!RowHasLine(header, row) || reader.AtEnd()) {
            std::fill(out, out + columns, kNoData);
            continue;
        }
        const std::string_view line = reader.Next(lineLimit);
        for (int col = 0; col < columns; ++col)
            out[col] = FieldHeight(line, static_cast<std::size_t>(col));
    }
}

} // namespace qb::text_mesh
