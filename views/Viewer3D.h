#pragma once
#include "places/LabelFont.h"
#include "views/Viewer2D.h"

#include <string_view>

namespace qb {

class ISettingsStore;

inline constexpr double kPi = 3.141592653589793;
inline constexpr std::string_view kViewer3DSection = "Viewer3D";
inline constexpr std::string_view kRotateKey = "Rotate";
inline constexpr std::string_view kTiltKey = "Tilt";
inline constexpr std::string_view kMemoryFontSection = "MemoryFont";
inline constexpr int kDefaultRotate = 30;
inline constexpr int kDefaultTilt = 15;

// The map view's record of the displayed area: the range, mapping and history
// of CViewer2D plus the rotation and tilt of the rendering and the label font
// of the map view. The angles and the font persist in the settings store:
// read on construction, written on destruction.
class CViewer3D : public CViewer2D {
public:
    explicit CViewer3D(ISettingsStore& settings, IViewHost* host = nullptr);
    ~CViewer3D() override;

    // Both angles in degrees; they are kept in radians as well.
    void SetAngles(double rotateDegrees, double tiltDegrees);
    double GetTilt() const { return m_dTiltDegrees; }
    double GetRotate() const { return m_dRotateDegrees; }

    LabelFont m_memoryFont;
    double m_dRotate = 0.0;          // radians
    double m_dTilt = 0.0;            // radians
    double m_dTiltDegrees = 0.0;
    double m_dRotateDegrees = 0.0;

private:
    ISettingsStore& m_settings;
};

// The whole degrees of an angle in radians, truncated toward zero; an angle
// that was a whole number of degrees stays that number despite the rounding
// of the conversion. Angles that are not numbers give `fallback`.
int StoredDegrees(double radians, int fallback);

} // namespace qb
