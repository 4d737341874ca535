#pragma once
#include "cli/CliSupport.h"
#include "views/GridRange.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qb::cli {

// --range C0,R0,C1,R1 (inclusive grid columns and rows): nothing when not
// given; false when it is not four integers.
bool RangeOf(const Arguments& args, std::optional<GridRange>& range);
inline constexpr const char* kRangeUsage = "--range takes C0,R0,C1,R1";
// A range of at least two columns and two rows, inside the grid.
bool FitsGrid(const GridRange& range, const CHeightGrid& grid);
// The message for a range that does not fit the grid.
std::string RangeOutsideText(const CHeightGrid& grid);

// The rendering view's sample budget, as its fineness setting keeps it; the
// finest setting is also the most a mesh's blocks hold.
inline constexpr std::int64_t kDefaultResolution = 67'108'864;
inline constexpr std::int64_t kMaxResolution = 67'108'864;
// The rendering view's colour scheme unless told otherwise.
inline constexpr int kDefaultSceneColourScheme = 5;

// What the 3-D commands share: which part of the grid, how many samples,
// how tall, and in which colours.
struct SceneOptions {
    std::optional<GridRange> range;  // the whole grid when not given
    std::int64_t resolution = kDefaultResolution;
    double exaggeration = 1.0;
    int colourScheme = kDefaultSceneColourScheme;
    // The range given, else the whole grid.
    GridRange RangeIn(const CHeightGrid& grid) const;
};

// Reads --range, --resolution N (1 .. 67,108,864), --exaggeration X
// (0.1 .. 10, as the exaggeration dialog takes it) and --colour-scheme N
// (0 .. 7); nullptr, or the usage message of the first option that is wrong.
const char* ParseSceneOptions(const Arguments& args, SceneOptions& options);

} // namespace qb::cli
