#include "views/HoverStatus.h"

#include "terrain/NoDataMask.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qb {
namespace {

// "%06.1f" without the process locale: a point, never a comma.
std::string FormatHeight(double height)
{
    if (!std::isfinite(height))
        height = 0.0;
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, std::fabs(height),
                                      std::chars_format::fixed, 1);
    std::string text(digits, result.ptr);
    const bool negative = std::signbit(height);
    const std::size_t width = negative ? 5 : 6;
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return negative ? "-" + text : text;
}

} // namespace

Dms ToDms(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e6)
        return {};
    // Split the magnitude so that the seconds round the same way on both
    // sides of 0; the sign goes back on the degrees.
    const double magnitude = std::fabs(value);
    int degrees = static_cast<int>(magnitude);
    const double minutesExact = (magnitude - degrees) * 60.0;
    int minutes = static_cast<int>(minutesExact);
    int seconds = static_cast<int>((minutesExact - minutes) * 60.0 + 0.5);
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes > 59) {
        minutes -= 60;
        ++degrees;
    }
    return {value < 0.0 ? -degrees : degrees, minutes, seconds};
}

std::string FormatHoverStatus(std::optional<double> height, double latitude, double longitude, int interval)
{
    const Dms lat = ToDms(latitude);
    const Dms lon = ToDms(longitude);
    const std::string heightText = height ? FormatHeight(*height) + "m" : std::string(kNoDataText);
    char text[256];
    std::snprintf(text, sizeof text,
                  "ｸﾘｯｸ･ﾄﾞﾗｯｸﾞで拡大 ｸﾘｯｸで縮小  標高:%s 緯度:%02d.%02d'%02d\" 経度:%03d.%02d'%02d\""
                  " 等高線の間隔:%3dm   ",
                  heightText.c_str(), lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
                  lon.seconds, interval);
    return text;
}

} // namespace qb
