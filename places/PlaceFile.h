#pragma once
#include "places/PlaceTables.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

class CHeightGrid;
class IMessageSink;

inline constexpr std::string_view kPlaceSaveFailedMessage = "地名ファイルを保存できませんでした。";

struct PlaceFolders {
    std::string placeFolder;     // the system file and the per-tile files of new-datum grids
    std::string databaseFolder;  // the user file
};

// The place files of a document: reading them into its tables with the
// positions on its grid, and writing the user file back.
class CPlaceFiles {
public:
    // The tables, the grid and the sink (which may be null) must outlive this object.
    CPlaceFiles(CPlaceTables& tables, const CHeightGrid& grid, PlaceFolders folders, IMessageSink* messages);

    std::string PlaceFileOf(const std::string& dataPath) const;
    std::string SystemFile() const;
    std::string UserFile() const;

    // The number of records of the place file of `dataPath`; 0 when it can't be opened.
    int CountPlaces(const std::string& dataPath) const;
    // Appends up to `count` records of that file to `records`; returns how many.
    int ReadPlaces(const std::string& dataPath, CPlaceTable& records, int count, bool keepPosition,
                   std::uint8_t origin) const;

    // Replaces the system table by the system file (origin 0, placed on the
    // grid) and appends its records that lie on the grid to the display
    // table; returns the number of records.
    int LoadSystemPlaces();
    int LoadSystemPlacesFrom(const std::string& path);
    // Replaces the user table by the user file when it is of format 3 (a
    // file of an older format gives nothing), with room for 500 more names.
    int LoadUserPlaces();
    // Writes the user table to the user file in format 3, replacing the file
    // only when all of it was written and never when it was too large to read. 1 on success (the tables are then no
    // longer modified); 0 after telling the user, the tables still modified.
    int SaveUserPlaces();

private:
    void Tell(const std::string& text) const;

    CPlaceTables& m_tables;
    const CHeightGrid& m_grid;
    PlaceFolders m_folders;
    IMessageSink* m_pMessages;
    bool m_bUserFileRefused = false;
};

} // namespace qb
