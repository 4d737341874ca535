#include "places/PlaceFileFormat.h"

#include "platform/NumberText.h"
#include "places/PlaceKinds.h"
#include "platform/SettingsStore.h"
#include "terrain/TextMeshFormat.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr std::size_t kFormatPos = 68;
constexpr std::size_t kColumnsPos = 70;
constexpr std::size_t kRowsPos = 74;
constexpr std::size_t kCoordinateWidth = 12;
// The heights in tenths that "%05d" writes in five characters.
constexpr int kLowestTenths = -9999;
constexpr int kHighestTenths = 99999;

// The text from pos to the end of the line; empty, but still pointing into
// the line, when the line is shorter.
std::string_view Rest(std::string_view line, std::size_t pos)
{
    return line.substr(std::min(pos, line.size()));
}

// A float-sized coordinate read like atof, or -1 (unknown) when the line
// ends before it or its number is not finite.
float Coordinate(std::string_view line, std::size_t pos)
{
    if (pos >= line.size())
        return -1.0f;
    const auto value = static_cast<float>(TextToDouble(line.substr(pos, kCoordinateWidth)));
    return std::isfinite(value) ? value : -1.0f;
}

int KindCode(std::string_view line, std::size_t pos)
{
    const int code = text_mesh::FieldInt(line, pos, 2);
    return IsPlaceKind(code) ? code : kEtc;
}

float HeightMetres(std::string_view line, std::size_t pos)
{
    return static_cast<float>(text_mesh::FieldInt(line, pos, 5) / 10.0);
}

void ParseFormat1(std::string_view line, const PlaceFileHeader& header, PlaceRecord& r)
{
    r.col = text_mesh::FieldInt(line, 0, 4);
    r.row = text_mesh::FieldInt(line, 4, 4);
    r.kind = KindCode(line, 8);
    r.height = HeightMetres(line, 10);
    r.SetName(Rest(line, 15));
    r.coordsFromFile = 0;
    if (header.rows >= 3)
        r.oldLat = static_cast<float>(header.north + r.row * (header.south - header.north) / (header.rows - 1));
    if (header.columns >= 3)
        r.oldLon = static_cast<float>(header.west + r.col * (header.east - header.west) / (header.columns - 1));
}

void ParseFormat2Or3(std::string_view line, int format, PlaceRecord& r)
{
    r.kind = KindCode(line, 0);
    r.height = HeightMetres(line, 2);
    r.oldLat = Coordinate(line, 7);
    r.oldLon = Coordinate(line, 19);
    if (format == 3) {
        r.newLat = Coordinate(line, 31);
        r.newLon = Coordinate(line, 43);
    }
    r.SetName(Rest(line, format == 3 ? 55 : 31));
    r.coordsFromFile = 1;
}

// "%12.7f", or -1 when the value would not keep to its twelve characters.
std::string CoordinateText(float value)
{
    std::string text = FormatFixed(value, 7, static_cast<int>(kCoordinateWidth));
    if (!std::isfinite(value) || text.size() != kCoordinateWidth)
        text = FormatFixed(-1.0, 7, static_cast<int>(kCoordinateWidth));
    return text;
}

} // namespace

int PlaceFormatOfNumber(int number)
{
    if (number >= 3)
        return 3;
    return number == 2 ? 2 : 1;
}

PlaceFileHeader ParsePlaceHeader(std::string_view line)
{
    PlaceFileHeader h;
    h.south = text_mesh::FieldAngle(line, 15);
    h.west = text_mesh::FieldAngle(line, 22);
    h.north = text_mesh::FieldAngle(line, 29);
    h.east = text_mesh::FieldAngle(line, 36);
    h.format = PlaceFormatOfNumber(text_mesh::FieldInt(line, kFormatPos, 2));
    h.columns = text_mesh::FieldInt(line, kColumnsPos, 4);
    h.rows = text_mesh::FieldInt(line, kRowsPos, 4);
    return h;
}

bool CPlaceLines::Next(std::string_view& line)
{
    if (m_pos >= m_text.size())
        return false;
    text_mesh::CLineReader reader(m_text.substr(m_pos));
    line = reader.Next(m_text.size()).substr(0, kPlaceLineLimit);
    const std::size_t newline = m_text.find('\n', m_pos);
    m_pos = newline == std::string_view::npos ? m_text.size() : newline + 1;
    return true;
}

bool CPlaceLines::NextRecord(std::string_view& line)
{
    while (Next(line))
        if (!line.empty())
            return true;
    return false;
}

int CountPlaceRecords(std::string_view text)
{
    CPlaceLines lines(text);
    std::string_view line;
    if (!lines.Next(line))
        return 0;
    int count = 0;
    while (lines.NextRecord(line))
        ++count;
    return count;
}

PlaceRecord ParsePlaceLine(std::string_view line, int format, const PlaceFileHeader& header)
{
    PlaceRecord r;
    if (format == 1)
        ParseFormat1(line, header, r);
    else
        ParseFormat2Or3(line, format, r);
    return r;
}

std::string PlaceHeaderLine(int format)
{
    std::string header(kPlaceHeaderChars, ' ');
    header.replace(kFormatPos, 2, FormatInt(format, 2, true));
    header.replace(kPlaceHeaderChars - 2, 2, "\r\n");
    return header;
}

std::string FormatPlaceLine(const PlaceRecord& r)
{
    // The height is truncated to tenths in single precision, which gives back
    // the tenths a file held; it is kept to the five characters of its field.
    const float tenths = r.height * 10.0f;
    const int kept = std::isfinite(tenths)
                         ? static_cast<int>(std::clamp(tenths, float(kLowestTenths), float(kHighestTenths)))
                         : 0;
    std::string line = FormatInt(IsPlaceKind(r.kind) ? r.kind : kEtc, 2, true);
    line += FormatInt(kept, 5, true);
    for (const float value : {r.oldLat, r.oldLon, r.newLat, r.newLon})
        line += CoordinateText(value);
    line += r.Name();
    line += "\r\n";
    return line;
}

std::string UserPlaceFileText(std::span<const PlaceRecord> records)
{
    std::string text = PlaceHeaderLine(3);
    for (const PlaceRecord& r : records)
        text += FormatPlaceLine(r);
    return text;
}

} // namespace qb
