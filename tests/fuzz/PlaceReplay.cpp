// A place file read as the system file and as the user file, and the user
// file written back and read again.
#include "tests/fuzz/ReaderReplay.h"

#include "places/PlaceFile.h"
#include "places/PlaceFileFormat.h"
#include "places/PlaceFileReader.h"
#include "places/PlaceTables.h"
#include "terrain/HeightGrid.h"
#include "tests/fuzz/InputFile.h"

namespace qb::fuzz {
namespace {

// A new-datum grid over all of Japan: the positions the places are put on.
void SpanJapan(CHeightGrid& grid)
{
    grid.m_nCols = grid.m_nRows = 1000;
    grid.m_fSouth = 20.0f;
    grid.m_fNorth = 46.0f;
    grid.m_fWest = 122.0f;
    grid.m_fEast = 154.0f;
    grid.m_bNewDatum = 1;
}

std::string RoundTripFault(const CPlaceTable& user, const PlaceReadOptions& options)
{
    CPlaceTable again;
    ReadPlaceText(UserPlaceFileText(user.Records()), options, again);
    if (again.Count() != user.Count())
        return "user file: " + std::to_string(user.Count()) + " names saved, " + std::to_string(again.Count()) +
               " read back";
    for (int i = 0; i < user.Count(); ++i)
        if (again[i].Name() != user[i].Name())
            return "user file: name " + std::to_string(i) + " reads back changed";
    return {};
}

} // namespace

ReplayResult ReplayPlaces(std::string_view bytes)
{
    const CInputFile file(bytes);
    CHeightGrid grid;
    SpanJapan(grid);
    CPlaceTables tables;
    CPlaceFiles files(tables, grid, PlaceFolders{}, nullptr);
    ReplayResult result;
    result.accepted = files.LoadSystemPlacesFrom(file.Path()) > 0;

    // The user file: format 3 only, shifted by the system file just read.
    PlaceReadOptions options;
    options.datum = &tables;
    options.grid = &grid;
    options.origin = 1;
    options.lowestFormat = 3;
    CPlaceTable user;
    ReadPlaceText(bytes, options, user);
    result.fault = RoundTripFault(user, options);
    return result;
}

} // namespace qb::fuzz
