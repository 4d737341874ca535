#pragma once

namespace qb {

// A rectangle of grid points, inclusive: column 0 is the west edge, row 0 the north edge.
struct GridRange {
    int colFirst = 0;
    int rowFirst = 0;
    int colLast = 0;
    int rowLast = 0;
    bool operator==(const GridRange&) const = default;
};

// One grid point.
struct GridPoint {
    int col = 0;
    int row = 0;
    bool operator==(const GridPoint&) const = default;
};

// The directions a view's range moves in: east, west, north, south.
enum MoveDirection { kMoveEast = 1, kMoveWest = 2, kMoveNorth = 3, kMoveSouth = 4 };

} // namespace qb
