#pragma once
#include "terrain/GeoBox.h"

#include <string>
#include <string_view>

namespace qb {

// The colours of the lines drawn on the map.
enum MapColour { kMapBlack = 0, kMapRed = 1, kMapBlue = 2 };

// The script texts run in the map page. Numbers are written without the
// process locale; coordinates go through single precision where the page
// has always received them so.
std::string SetMapCenterScript(double lat, double lon, double zoom);  // "setMapCenter(%f, %f, %f)"
std::string OpenModeScript(int inDialog);                              // "SetOpenMode(%d)"
// "drawPolylineBlack('[[lat1, lon1], [lat2, lon2]]')", Red or Blue by colour.
std::string PolylineScript(double lat1, double lon1, double lat2, double lon2, int colour);
inline constexpr std::string_view kClearBlueRectScript = "clearBlueRect()";
std::string WebRectScript(const GeoBox& box);  // "drawWebRect(south, west, north, east)", "%lf"
// "changeLayerFromCpp('NAME');" with the name as a JavaScript string literal.
std::string ChangeLayerScript(std::string_view layer);
inline constexpr std::string_view kPrintScript = "window.print();";

// The text between the quotes of a single-quoted JavaScript string literal
// that reads back as `text` (UTF-8): backslashes, quotes and control
// characters escaped, the line separators U+2028 and U+2029 too, and
// "</script" broken so that the text may sit inside an HTML script element.
std::string JsStringBody(std::string_view text);

} // namespace qb
