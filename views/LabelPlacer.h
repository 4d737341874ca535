#pragma once
#include "platform/DrawContext.h"

namespace qb {

struct PlaceRecord;

// Where a label goes relative to its anchor point.
enum class LabelStyle { TwoD, MapView };

// Places place-name labels so that they do not overlap, one drawing pass at a time.
class ILabelPlacer {
public:
    virtual ~ILabelPlacer() = default;
    // Starts a pass: forgets the labels placed so far; labels are drawn only
    // when they lie wholly inside `visibleArea`.
    virtual void Reset(const DrawRect& visibleArea) = 0;
    // Finds a free place for the record's label near the anchor and draws it
    // with its leader line; returns whether it was drawn.
    virtual bool Place(IDrawContext& dc, int anchorX, int anchorY, const PlaceRecord& record,
                       LabelStyle style) = 0;
};

} // namespace qb
