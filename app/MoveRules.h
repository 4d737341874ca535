#pragma once
#include "views/GridRange.h"

#include <vector>

namespace qb {

// What a view shows of its grid: the visible range and the grid's size.
struct ViewExtent {
    GridRange range;
    int cols;
    int rows;
};

// The move direction (1 east, 2 west, 3 north, 4 south) of a move command,
// or 0 for any other command.
int MoveDirectionOfCommand(int commandId);

// Whether a move command is offered. It is withheld only when every view
// already shows its grid's edge in that direction and no neighbouring tiles
// could be opened: there is no document, or the document holds a single
// .3dm tile opened by itself. An unknown direction is never offered.
bool IsMoveEnabled(int direction, const std::vector<ViewExtent>& views, bool hasDocument,
                   bool singleTileFile);

} // namespace qb
