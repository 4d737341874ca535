#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "places/NameText.h"
#include "places/PlaceFile.h"
#include "places/PlaceFitting.h"
#include "platform/FileRead.h"

#include <cstdio>
#include <string>

namespace qb::cli {
namespace {

std::string RecordJson(const PlaceRecord& r)
{
    CJsonObject json;
    json.Add("kind", r.kind)
        .Add("col", r.col)
        .Add("row", r.row)
        .Add("height", r.height)
        .Add("name", Utf8FromPlaceName(r.Name()))
        .Add("oldLat", r.oldLat)
        .Add("oldLon", r.oldLon)
        .Add("newLat", r.newLat)
        .Add("newLon", r.newLon)
        .Add("coords", int(r.coordsFromFile))
        .Add("origin", int(r.origin));
    return json.Text();
}

void PrintJson(const CPlaceTable& table)
{
    std::fputs("[", stdout);
    for (int i = 0; i < table.Count(); ++i)
        std::printf("%s\n%s", i > 0 ? "," : "", RecordJson(table[i]).c_str());
    std::puts(table.Empty() ? "]" : "\n]");
}

void PrintText(const CPlaceTable& table)
{
    std::puts("kind   col   row   height       oldLat       oldLon       newLat       newLon c o name");
    for (const PlaceRecord& r : table.Records())
        std::printf("%4d %5d %5d %8.1f %12.7f %12.7f %12.7f %12.7f %d %d %s\n", r.kind, r.col, r.row, r.height,
                    r.oldLat, r.oldLon, r.newLat, r.newLon, r.coordsFromFile, r.origin,
                    Utf8FromPlaceName(r.Name()).c_str());
}

} // namespace

// Lists the records of a place file, or, with a grid, the names that the
// file (taken as the system file) puts on that grid.
int RunPlaces(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    if (args.words.size() != 1)
        return UsageError("places takes one FILE.pln");
    const std::string& path = args.words[0];
    if (FileSize(path) < 0) {
        PrintError(FileNotFoundText(path));
        return kExitFailure;
    }
    Session session;
    CHeightGrid grid;
    const auto gridPath = args.Option("--grid");
    if (gridPath && !LoadGrid(session, *gridPath, grid))
        return kExitFailure;
    CPlaceTables tables;
    CPlaceFiles files(tables, grid, PlaceFolders{}, &session.messages);
    files.LoadSystemPlacesFrom(path);
    if (gridPath)
        FitPlaces(tables, grid);
    const CPlaceTable& shown = gridPath ? tables.Display() : tables.System();
    if (args.Has("--json"))
        PrintJson(shown);
    else
        PrintText(shown);
    return kExitOk;
}

} // namespace qb::cli
