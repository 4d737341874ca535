#pragma once
#include "platform/DrawContext.h"

#include <vector>

namespace qb {

// Where a contour level crosses a cell edge, in window points.
struct Crossing {
    int x = 0;
    int y = 0;
    double level = 0.0;
    int spare = 0;
};

// The contour levels of one drawing: first, first + interval, ... while below `top`.
struct ContourLevels {
    double first = 0.0;
    double interval = 1.0;
    double top = 0.0;
};

// One end of a cell edge: its window point and its height.
struct EdgeEnd {
    DrawPoint point;
    double height = 0.0;
};

// Appends the crossings of every level on the edge a-b, lowest level first.
// Equal heights give none; a level equal to an end's height counts, so a
// corner lying on a level is a crossing of both of its edges.
void AppendCrossings(const ContourLevels& levels, const EdgeEnd& a, const EdgeEnd& b,
                     std::vector<Crossing>& out);

} // namespace qb
