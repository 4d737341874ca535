#pragma once
#include "platform/DrawContext.h"
#include "platform/SettingsStore.h"

#include <array>
#include <cstdint>

namespace qb {

inline constexpr int kGlobeZoomSteps = 10;
inline constexpr double kDefaultRadiusFactor = 50.0;
inline constexpr double kMinRadiusFactor = 6.0;
inline constexpr double kMaxRadiusFactor = 300.0;
inline constexpr double kZoomRatio = 1.3;

// The globe's settings of section "GlobeObj": the view, the layers kept, the
// zoom factors and the colours (0x00BBGGRR).
struct GlobeOptions {
    double latMem = 10.0;
    double lonMem = 10.0;
    double angle = 318.0;  // turn about the polar axis, degrees
    double bent = 144.0;   // tilt about the horizontal axis, degrees
    std::int32_t topoFlag = 1;
    std::int32_t bBorder = 1, bCapital = 1, bCountry = 1, bHeight = 1, bPlace = 1, bLLLine = 1;
    std::int32_t bCity = 1, bRiver = 1, bLake = 1;
    std::int32_t mouseMode = 0;
    std::int32_t nLevel = 0, nKind = 0;
    std::int32_t bEqator = 1, bToropic = 1, bCircle = 1, bDateLine = 1, bLLText = 1;
    std::array<double, kGlobeZoomSteps> radTimes{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    std::int32_t zoomIndex = 0;
    std::array<Colour, 8> colHeight{0x6CCA48, 0x03DAA5, 0x1FC7BA, 0xA5D6DE, 0x8DB1C5, 0x739CB5, 0x39849C, 0x405F71};
    std::array<Colour, 8> colPolar{0xFFFFFF, 0xFAFAFA, 0xF5F5F5, 0xD2D2DC, 0xC3C3C3, 0xB4B4B4, 0xA5A5A5, 0x969696};
    Colour colRiver = 0xFF0000, colSea = 0xF7D78C, colLake = 0xF7D78C, colCountry = 0x0000FF;
    Colour colDate = 0xFF0000, colEquator = 0x0000FF, colLLLine = 0x000000, colPolarLine = 0xFF0000;
    Colour colTropic = 0xFF0000, colBack = 0xC0C0C0;

    // The radius factor in use (the zoom index brought into 0 .. 9).
    double RadiusFactor() const;
    double& RadiusFactorRef();
};

GlobeOptions ReadGlobeOptions(ISettingsStore& settings);
// "LatMem", "LonMem", "Bent", "Angle" and "TopoFlag".
void WriteGlobeView(ISettingsStore& settings, const GlobeOptions& options);
// Every other key: the flags, the colours, each radius factor, then "ZoomIndex".
void WriteGlobeRest(ISettingsStore& settings, const GlobeOptions& options);

// "%8.3lf" without the locale: three decimals, right-aligned in eight places.
std::string FormatWidth8Fixed3(double value);

// Zooming out divides the factor by 1.3, never below 6; zooming in multiplies
// it, never above 300.
void ZoomGlobeOut(GlobeOptions& options);
void ZoomGlobeIn(GlobeOptions& options);
// One turn step east (+1) or west (-1) changes "Angle", north or south
// "Bent", by 30 / factor degrees.
void TurnGlobe(GlobeOptions& options, int east, int north);
// Before each drawing: "Angle" (taken modulo 360 when negative) into
// 303 .. 331, "Bent" into 134 .. 156, keeping the view near Japan.
void ClampGlobeView(GlobeOptions& options);

} // namespace qb
