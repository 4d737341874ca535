#pragma once
#include <string>
#include <string_view>

namespace qb {
class CAreaRecord;
class CHeightGrid;
} // namespace qb

namespace qb::fuzz {

// Empty when a reader refused (accepted is false), or when the grid it
// accepted holds heights and its counts agree (columns x rows points, four
// bytes each, a no-data mask of as many points); else what is wrong, named
// after the step that made the grid.
std::string GridFault(bool accepted, const CHeightGrid& grid, std::string_view step);

// The area of one tile, as a join of a single file sees it.
CAreaRecord OneTileArea();

} // namespace qb::fuzz
