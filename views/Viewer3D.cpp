#include "views/Viewer3D.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

// The map-view font has no kind; it takes the defaults of a second-level black label.
constexpr int kMemoryFontLevel = 2;
constexpr int kMemoryFontColourKind = 1;

int ReadAngle(ISettingsStore& settings, std::string_view key, int fallback, int limit)
{
    const int degrees = settings.GetSettingInt(kViewer3DSection, key, fallback);
    return degrees < -limit || degrees > limit ? fallback : degrees;
}

} // namespace

int StoredDegrees(double radians, int fallback)
{
    const double degrees = radians * 180.0 / kPi;
    if (!std::isfinite(degrees))
        return fallback;
    // 11 degrees come back from radians as 10.999999999999998: without this
    // every run would lose a degree.
    const double nearest = std::round(degrees);
    const double whole = std::fabs(degrees - nearest) < 1e-9 ? nearest : std::trunc(degrees);
    return static_cast<int>(std::clamp(whole, -2147483648.0, 2147483647.0));
}

CViewer3D::CViewer3D(ISettingsStore& settings, IViewHost* host) : CViewer2D(host), m_settings(settings)
{
    SetAngles(ReadAngle(settings, kRotateKey, kDefaultRotate, 360),
              ReadAngle(settings, kTiltKey, kDefaultTilt, 180));
    ReadFontSetting(settings, kMemoryFontSection, m_memoryFont, kMemoryFontLevel, kMemoryFontColourKind);
}

CViewer3D::~CViewer3D()
{
    WriteFontSetting(m_settings, kMemoryFontSection, m_memoryFont);
    m_settings.WriteSettingInt(kViewer3DSection, kTiltKey, StoredDegrees(m_dTilt, kDefaultTilt));
    m_settings.WriteSettingInt(kViewer3DSection, kRotateKey, StoredDegrees(m_dRotate, kDefaultRotate));
}

void CViewer3D::SetAngles(double rotateDegrees, double tiltDegrees)
{
    m_dRotateDegrees = rotateDegrees;
    m_dTiltDegrees = tiltDegrees;
    m_dRotate = rotateDegrees * kPi / 180.0;
    m_dTilt = tiltDegrees * kPi / 180.0;
}

} // namespace qb
