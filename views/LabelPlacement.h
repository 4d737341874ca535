#pragma once
#include "places/LabelFont.h"
#include "places/LabelSettings.h"
#include "places/PlaceKinds.h"
#include "views/LabelPlacer.h"

#include <array>
#include <vector>

namespace qb {

// The font a label font asks the drawing context for.
FontSpec FontSpecOf(const LabelFont& font);

// Label placement shared by the views: each label starts above its anchor
// and, while it overlaps a label already placed, slides along a diagonal
// (one pixel right for every two up) upward, then downward; it is drawn,
// with a leader line from the anchor, only where it lies wholly inside the
// visible area and overlaps nothing.
class CLabelPlacement final : public ILabelPlacer {
public:
    using Fonts = std::array<LabelFont, kPlaceKindCount>;

    // The fonts and colours of the kinds (borrowed; the process-wide ones by default).
    explicit CLabelPlacement(const Fonts& fonts = g_LabelFonts);

    void Reset(const DrawRect& visibleArea) override;
    bool Place(IDrawContext& dc, int anchorX, int anchorY, const PlaceRecord& record,
               LabelStyle style) override;

    // The rectangles of the labels drawn since the last Reset, in order.
    const std::vector<DrawRect>& Placed() const { return m_placed; }

private:
    // Where a label of the given size goes; its rectangle may still overlap
    // or leave the visible area when no free place was found.
    DrawRect FindPlace(int anchorX, int anchorY, int width, int height, LabelStyle style) const;
    bool Overlaps(const DrawRect& rect) const;
    bool IsInside(const DrawRect& rect) const;

    const Fonts& m_fonts;
    DrawRect m_visible;
    std::vector<DrawRect> m_placed;
};

} // namespace qb
