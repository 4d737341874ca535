#pragma once
#include "platform/DrawContext.h"
#include "terrain/GeoBox.h"
#include "webmap/GlobeOptions.h"
#include "webmap/GlobeProjection.h"

#include <optional>
#include <string>

namespace qb {

// The status-bar text of a globe position: degrees, minutes and rounded
// seconds of the absolute values, 北緯/南緯 by the latitude's sign and
// 東経/西経 by that of the east-positive longitude (zero counts as north and east).
std::string GlobeStatusText(double lat, double eastLon);

// A drag on the globe. Mouse mode 0 turns the globe with the pointer; mode 1
// draws a selection box with its corners snapped to the mesh-cell lines of
// the source kind. Boxes are in east-positive degrees.
class CGlobeMouse {
public:
    void Press(const GlobeView& view, DrawPoint point, const GlobeOptions& options);
    // True when the globe is to be drawn again.
    bool Move(const GlobeView& view, DrawPoint point, GlobeOptions& options, int dataKind);
    // Ends the drag; in mode 1 the box drawn, unless it has no width or no height.
    std::optional<GeoBox> Release(const GlobeView& view, DrawPoint point, GlobeOptions& options, int dataKind);

    bool Dragging() const { return m_bDragging; }
    // The selection box while mode 1 drags one.
    const std::optional<GeoBox>& DragBox() const { return m_box; }

private:
    bool m_bDragging = false;
    int m_mode = 0;
    DrawPoint m_start;
    double m_startAngle = 0.0;
    double m_startBent = 0.0;
    std::optional<GlobeLatLon> m_corner;  // where the box started, when on the globe
    std::optional<GeoBox> m_box;
};

} // namespace qb
