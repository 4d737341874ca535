#include "webmap/ScriptText.h"

#include "platform/NumberText.h"

#include <cctype>

namespace qb {
namespace {

// "%f" of a value passed as single precision.
std::string Single(double value)
{
    return FormatFixed(static_cast<float>(value), 6, 0);
}

std::string Double(double value)
{
    return FormatFixed(value, 6, 0);
}

constexpr std::string_view kPolylineFunctions[] = {"drawPolylineBlack", "drawPolylineRed", "drawPolylineBlue"};

std::string HexEscape(unsigned char byte)
{
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
}

bool StartsScriptEnd(std::string_view text, std::size_t at)
{
    constexpr std::string_view tag = "</script";
    if (text.size() - at < tag.size())
        return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != tag[i])
            return false;
    return true;
}

} // namespace

std::string SetMapCenterScript(double lat, double lon, double zoom)
{
    return "setMapCenter(" + Single(lat) + ", " + Single(lon) + ", " + Single(zoom) + ")";
}

std::string OpenModeScript(int inDialog)
{
    return "SetOpenMode(" + std::to_string(inDialog) + ")";
}

std::string PolylineScript(double lat1, double lon1, double lat2, double lon2, int colour)
{
    const std::string points =
        "[[" + Single(lat1) + ", " + Single(lon1) + "], [" + Single(lat2) + ", " + Single(lon2) + "]]";
    const int index = colour == kMapRed ? 1 : colour == kMapBlue ? 2 : 0;
    return std::string(kPolylineFunctions[index]) + "('" + points + "')";
}

std::string WebRectScript(const GeoBox& box)
{
    return "drawWebRect(" + Double(box.south) + ", " + Double(box.west) + ", " + Double(box.north) + ", " +
           Double(box.east) + ")";
}

std::string ChangeLayerScript(std::string_view layer)
{
    return "changeLayerFromCpp('" + JsStringBody(layer) + "');";
}

std::string JsStringBody(std::string_view text)
{
    std::string body;
    body.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\' || byte == '\'' || byte == '"') {
            body += '\\';
            body += text[i];
        } else if (byte == '\n') {
            body += "\\n";
        } else if (byte == '\r') {
            body += "\\r";
        } else if (byte == '\t') {
            body += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            body += HexEscape(byte);
        } else if (byte == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) == 0xA8 || static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            body += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
            i += 2;
        } else if (byte == '<' && StartsScriptEnd(text, i)) {
            body += "<\\/";
            ++i;
        } else {
            body += text[i];
        }
    }
    return body;
}

} // namespace qb
