#include "places/PlaceFileReader.h"

#include "places/PlaceFileFormat.h"
#include "places/PlacePosition.h"
#include "platform/FileRead.h"

namespace qb {
namespace {

void ConvertToNew(PlaceRecord& r, const IDatumConverter* datum)
{
    double lat = r.oldLat;
    double lon = r.oldLon;
    if (datum)
        datum->ToNewDatum(lat, lon);
    r.newLat = static_cast<float>(lat);
    r.newLon = static_cast<float>(lon);
}

// Adds what the line itself does not give: the new pair and the grid position.
void Complete(PlaceRecord& r, const PlaceFileHeader& header, const PlaceReadOptions& options)
{
    if (header.format == 1) {
        if (header.rows >= 3 && header.columns >= 3)
            ConvertToNew(r, options.datum);
        return;
    }
    if (header.format == 2)
        ConvertToNew(r, options.datum);
    if (!options.keepPosition && options.grid)
        PlaceOnGrid(r, *options.grid);
}

} // namespace

int ReadPlaceText(std::string_view text, const PlaceReadOptions& options, CPlaceTable& out)
{
    CPlaceLines lines(text);
    std::string_view line;
    if (!lines.Next(line))
        return 0;
    const PlaceFileHeader header = ParsePlaceHeader(line);
    if (header.format < options.lowestFormat)
        return 0;
    int read = 0;
    while (read < options.count && lines.NextRecord(line)) {
        PlaceRecord r = ParsePlaceLine(line, header.format, header);
        Complete(r, header, options);
        r.origin = options.origin;
        out.Append(r);
        ++read;
    }
    return read;
}

std::string PlaceFileTooLargeMessage(const std::string& path)
{
    return "地名ファイルが大きすぎるため読み込めません (" + std::to_string(kMaxPlaceFileBytes >> 20) +
           " MB まで): " + path;
}

FileReadResult ReadPlaceFileText(const std::string& path, std::string& text)
{
    return ReadWholeFileUpTo(path, text, kMaxPlaceFileBytes);
}

int ReadPlaceFile(const std::string& path, const PlaceReadOptions& options, CPlaceTable& out)
{
    std::string text;
    if (ReadPlaceFileText(path, text) != FileReadResult::Read)
        return 0;
    return ReadPlaceText(text, options, out);
}

int CountPlaceFile(const std::string& path)
{
    std::string text;
    if (ReadPlaceFileText(path, text) != FileReadResult::Read)
        return 0;
    return CountPlaceRecords(text);
}

} // namespace qb
