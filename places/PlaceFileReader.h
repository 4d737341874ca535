#pragma once
#include "places/PlaceTable.h"
#include "platform/FileRead.h"

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

class CHeightGrid;
class IDatumConverter;

struct PlaceReadOptions {
    const IDatumConverter* datum = nullptr;  // gives the new pair of format-1 and format-2 records
    const CHeightGrid* grid = nullptr;       // gives the grid position of format-2 and format-3 records
    int count = INT_MAX;                     // at most this many records
    bool keepPosition = false;               // leave formats 2 and 3 off the grid (-1)
    std::uint8_t origin = 0;
    int lowestFormat = 1;                    // a file of an older format gives nothing
};

// Place files are read whole. Every named place of the national gazetteer
// fits in a few tens of megabytes; the cap keeps a wrong file (a disc image
// given the name of a place file, say) from being read into memory.
inline constexpr std::int64_t kMaxPlaceFileBytes = std::int64_t(256) << 20;
// The message for a place file refused by that cap.
std::string PlaceFileTooLargeMessage(const std::string& path);
FileReadResult ReadPlaceFileText(const std::string& path, std::string& text);

// Appends the records of a place file's text to `out` and returns how many.
// The format comes from the header; format-1 positions are the file's own.
int ReadPlaceText(std::string_view text, const PlaceReadOptions& options, CPlaceTable& out);
// The same from a file; a file that can't be opened gives nothing.
int ReadPlaceFile(const std::string& path, const PlaceReadOptions& options, CPlaceTable& out);
// The number of record lines of a place file; 0 when it can't be opened.
int CountPlaceFile(const std::string& path);

} // namespace qb
