#pragma once
#include "terrain/GeoBox.h"
#include "views/GridRange.h"

namespace qb {

class CHeightGrid;

// What a web map reaches beyond its page: the application's red and blue
// boxes and, in the map view of a document, the other views of the main
// frame. The open-from-map dialog implements the view actions as nothing.
// Every call comes on the window thread.
class IWebMapHost {
public:
    virtual ~IWebMapHost() = default;

    // The application's red box (m_areaBox) and blue box (m_viewBox) in
    // east-positive degrees. The application keeps their longitudes
    // negated: an implementation converts with FlipLongitudes both ways.
    virtual GeoBox AreaBox() const = 0;
    virtual void SetAreaBox(const GeoBox& box) = 0;
    virtual GeoBox ViewBox() const = 0;
    virtual void SetViewBox(const GeoBox& box) = 0;

    // The height grid of the map view's document; null in the dialog or
    // while no grid is loaded.
    virtual const CHeightGrid* Grid() const = 0;
    // "One range back": the 2-D view's engine pops its newest range
    // (PopRange) and its range (GetRange) goes to the map view when one
    // exists, else to the rendering view. Nothing without a 2-D view.
    virtual void StepBackRange() = 0;
    // A range chosen on the map: set on the 2-D view's engine and given to
    // the rendering view (which rebuilds), each when it exists.
    virtual void ShowGridRange(const GridRange& range) = 0;
    // The rendering view turns about the point at fractions (fx, fy) of the
    // shown grid's width and height (its extents times them); nothing
    // without a rendering view.
    virtual void CentreRenderingOn(double fx, double fy) = 0;
    // The 2-D view's place-name input at a grid point with its height,
    // followed by the views' refresh; nothing without a 2-D view.
    virtual void StartNameInput(GridPoint point, float height) = 0;
};

// The box with its longitudes negated: the application's form of a map box
// and back.
inline GeoBox FlipLongitudes(const GeoBox& box)
{
    return GeoBox{.south = box.south, .north = box.north, .west = -box.west, .east = -box.east};
}

} // namespace qb
