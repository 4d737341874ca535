#pragma once
#include "cli/CliSupport.h"
#include "views/GridRange.h"

#include <optional>

namespace qb {
class CHeightGrid;
}

namespace qb::cli {

// The options of the commands that draw a picture: --size WxH (each 1 to
// 16384) and --range C0,R0,C1,R1. Each returns nullptr when the option is
// absent or good, else the usage message.
const char* ParseSizeOption(const Arguments& args, int& width, int& height);
const char* ParseRangeOption(const Arguments& args, std::optional<GridRange>& range);

// A range of at least two columns and two rows, inside the grid.
bool FitsGrid(const GridRange& range, const CHeightGrid& grid);
// "--range lies outside the grid of C x R points", printed.
void PrintRangeOutside(const CHeightGrid& grid);

} // namespace qb::cli
