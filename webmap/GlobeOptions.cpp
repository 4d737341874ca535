#include "webmap/GlobeOptions.h"

#include "webmap/GlobeSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace qb {
namespace {

using IntKey = std::pair<std::string_view, std::int32_t GlobeOptions::*>;
constexpr IntKey kFlags[] = {
    {"bBorder", &GlobeOptions::bBorder},     {"bCapital", &GlobeOptions::bCapital},
    {"bCountry", &GlobeOptions::bCountry},   {"bHeight", &GlobeOptions::bHeight},
    {"bPlace", &GlobeOptions::bPlace},       {"bLLLine", &GlobeOptions::bLLLine},
    {"bCity", &GlobeOptions::bCity},         {"bRiver", &GlobeOptions::bRiver},
    {"bLake", &GlobeOptions::bLake},         {"MouseMode", &GlobeOptions::mouseMode},
    {"nLevel", &GlobeOptions::nLevel},       {"nKind", &GlobeOptions::nKind},
    {"bEqator", &GlobeOptions::bEqator},     {"bToropic", &GlobeOptions::bToropic},
    {"bCircle", &GlobeOptions::bCircle},     {"bDateLine", &GlobeOptions::bDateLine},
    {"bLLText", &GlobeOptions::bLLText},
};

using ColourKey = std::pair<std::string_view, Colour GlobeOptions::*>;
constexpr ColourKey kColours[] = {
    {"ColRiver", &GlobeOptions::colRiver},     {"ColSea", &GlobeOptions::colSea},
    {"ColLake", &GlobeOptions::colLake},       {"ColCountry", &GlobeOptions::colCountry},
    {"ColDate", &GlobeOptions::colDate},       {"ColEquator", &GlobeOptions::colEquator},
    {"ColLLLine", &GlobeOptions::colLLLine},   {"ColPolar", &GlobeOptions::colPolarLine},
    {"ColTolopic", &GlobeOptions::colTropic},  {"ColBack", &GlobeOptions::colBack},
};

std::string Indexed(std::string_view stem, int i) { return std::string(stem) + std::to_string(i); }

Colour ReadColour(ISettingsStore& s, std::string_view key, Colour fallback)
{
    return static_cast<Colour>(s.GetSettingInt(kGlobeSection, key, static_cast<std::int32_t>(fallback)));
}

void WriteColour(ISettingsStore& s, std::string_view key, Colour colour)
{
    s.WriteSettingInt(kGlobeSection, key, static_cast<std::int32_t>(colour));
}

} // namespace

double GlobeOptions::RadiusFactor() const { return radTimes[std::clamp(zoomIndex, 0, kGlobeZoomSteps - 1)]; }
double& GlobeOptions::RadiusFactorRef() { return radTimes[std::clamp(zoomIndex, 0, kGlobeZoomSteps - 1)]; }

std::string FormatWidth8Fixed3(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0.000");
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), ' ');
    return text;
}

GlobeOptions ReadGlobeOptions(ISettingsStore& s)
{
    GlobeOptions o;
    o.latMem = GetSettingReal(s, kGlobeSection, "LatMem", "10.0");
    o.lonMem = GetSettingReal(s, kGlobeSection, "LonMem", "10.0");
    o.angle = GetSettingReal(s, kGlobeSection, "Angle", "318.0");
    o.bent = GetSettingReal(s, kGlobeSection, "Bent", "144.0");
    o.topoFlag = s.GetSettingInt(kGlobeSection, "TopoFlag", 1);
    for (const auto& [key, member] : kFlags)
        o.*member = s.GetSettingInt(kGlobeSection, key, o.*member);
    for (int i = 0; i < kGlobeZoomSteps; ++i) {
        const double factor = GetSettingReal(s, kGlobeSection, Indexed("RadTimes", i), "50.0");
        // A factor of zero or below would divide by zero in the projection's inverse.
        o.radTimes[i] = factor > 0.0 && std::isfinite(factor) ? factor : kDefaultRadiusFactor;
    }
    o.zoomIndex = s.GetSettingInt(kGlobeSection, "ZoomIndex", 0);
    for (int i = 0; i < 8; ++i) {
        o.colHeight[i] = ReadColour(s, Indexed("ColHeight", i), o.colHeight[i]);
        o.colPolar[i] = ReadColour(s, Indexed("ColPolar", i), o.colPolar[i]);
    }
    for (const auto& [key, member] : kColours)
        o.*member = ReadColour(s, key, o.*member);
    return o;
}

void WriteGlobeView(ISettingsStore& s, const GlobeOptions& o)
{
    s.WriteSettingString(kGlobeSection, "LatMem", FormatWidth8Fixed3(o.latMem));
    s.WriteSettingString(kGlobeSection, "LonMem", FormatWidth8Fixed3(o.lonMem));
    s.WriteSettingString(kGlobeSection, "Bent", FormatWidth8Fixed3(o.bent));
    s.WriteSettingString(kGlobeSection, "Angle", FormatWidth8Fixed3(o.angle));
    s.WriteSettingInt(kGlobeSection, "TopoFlag", o.topoFlag);
}

void WriteGlobeRest(ISettingsStore& s, const GlobeOptions& o)
{
    for (const auto& [key, member] : kFlags)
        s.WriteSettingInt(kGlobeSection, key, o.*member);
    for (int i = 0; i < 8; ++i) {
        WriteColour(s, Indexed("ColHeight", i), o.colHeight[i]);
        WriteColour(s, Indexed("ColPolar", i), o.colPolar[i]);
    }
    for (const auto& [key, member] : kColours)
        WriteColour(s, key, o.*member);
    for (int i = 0; i < kGlobeZoomSteps; ++i)
        s.WriteSettingString(kGlobeSection, Indexed("RadTimes", i), FormatFixed6(o.radTimes[i]));
    s.WriteSettingInt(kGlobeSection, "ZoomIndex", o.zoomIndex);
}

void ZoomGlobeOut(GlobeOptions& o)
{
    double& factor = o.RadiusFactorRef();
    factor = std::max(factor / kZoomRatio, kMinRadiusFactor);
}

void ZoomGlobeIn(GlobeOptions& o)
{
    double& factor = o.RadiusFactorRef();
    factor = std::min(factor * kZoomRatio, kMaxRadiusFactor);
}

void TurnGlobe(GlobeOptions& o, int east, int north)
{
    const double step = 30.0 / o.RadiusFactor();
    o.angle += east * step;
    o.bent += north * step;
}

void ClampGlobeView(GlobeOptions& o)
{
    const double angle = o.angle < 0.0 ? std::fmod(o.angle, 360.0) + 360.0 : o.angle;
    // A negative angle that already faces the allowed range keeps its value.
    if (angle < 303.0 || angle > 331.0)
        o.angle = std::clamp(angle, 303.0, 331.0);
    o.bent = std::clamp(o.bent, 134.0, 156.0);
}

} // namespace qb
