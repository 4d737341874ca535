#include "app/MoveRules.h"

#include "app/CommandIds.h"

#include <algorithm>

namespace qb {
namespace {

// Directions are MoveDirection values (qb::kMoveEast ...),
// not the command ids of the same names in qb::cmd.

bool ShowsEdge(const ViewExtent& view, int direction)
{
    switch (direction) {
    case kMoveEast: return view.range.colLast + 1 == view.cols;
    case kMoveWest: return view.range.colFirst == 0;
    case kMoveNorth: return view.range.rowFirst == 0;
    case kMoveSouth: return view.range.rowLast + 1 == view.rows;
    default: return false;
    }
}

} // namespace

int MoveDirectionOfCommand(int commandId)
{
    switch (commandId) {
    case cmd::kMoveEast: return kMoveEast;
    case cmd::kMoveWest: return kMoveWest;
    case cmd::kMoveNorth: return kMoveNorth;
    case cmd::kMoveSouth: return kMoveSouth;
    default: return 0;
    }
}

bool IsMoveEnabled(int direction, const std::vector<ViewExtent>& views, bool hasDocument,
                   bool singleTileFile)
{
    if (direction < kMoveEast || direction > kMoveSouth)
        return false;
    const bool allAtEdge = std::all_of(views.begin(), views.end(), [direction](const ViewExtent& view) {
        return ShowsEdge(view, direction);
    });
    const bool cannotReopen = !hasDocument || singleTileFile;
    return !(allAtEdge && cannotReopen);
}

} // namespace qb
