#include "webmap/GlobeProjection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

constexpr GlobeView kJapan{.width = 800, .height = 600, .factor = 1.0, .angle = 318.0, .bent = 144.0};

// The latitude and negated longitude of the globe point at window offset
// (x, y) with depth z towards the viewer, from the projection's own geometry.
GlobeLatLon PointAtDepth(const GlobeView& view, double x, double y, double z)
{
    const double b = view.bent * kGlobeRadiansPerDegree;
    const double l = z * std::cos(b) - y * std::sin(b);
    const double h = y * std::cos(b) + z * std::sin(b);
    const double r = std::sqrt(x * x + y * y + z * z);
    // Back to degrees with the projection's own factor, so that only the
    // depth decides the side.
    return {std::asin(h / r) / kGlobeRadiansPerDegree,
            (std::atan2(x, l) - view.angle * kGlobeRadiansPerDegree) / kGlobeRadiansPerDegree};
}

TEST(GlobeProjection, TheRadiusIsTheSmallerHalfTimesTheFactorAndJapanFacesTheViewer)
{
    EXPECT_EQ(kJapan.Radius(), 300.0);
    EXPECT_EQ((GlobeView{.width = 801, .height = 1000, .factor = 50.0}.Radius()), 20000.0);
    const ScreenPoint tokyo = GlobeToScreen(kJapan, 35.7, -139.7);
    EXPECT_TRUE(tokyo.front);
    EXPECT_LT(std::hypot(tokyo.point.x - 400, tokyo.point.y - 300), 60.0);
    EXPECT_FALSE(GlobeToScreen(kJapan, -35.0, 40.0).front);  // the far side of the earth
    const ScreenPoint north = GlobeToScreen(kJapan, 90.0, 0.0);
    EXPECT_TRUE(north.front);
    EXPECT_LT(north.point.y, 300);  // the pole lies above the centre
}

TEST(GlobeProjection, PointsJustBeforeAndBehindTheRimFallOnTheirSides)
{
    for (const auto& [x, y] : {std::pair{0.3, 0.5}, std::pair{-0.8, 0.1}, std::pair{0.0, -0.95}}) {
        const double r = kJapan.Radius();
        for (const double depth : {1e-6, -1e-6}) {
            const GlobeLatLon p = PointAtDepth(kJapan, x * r, y * r, depth * r);
            EXPECT_EQ(ProjectGlobe(kJapan, p.lat, p.negatedLon).front, depth > 0) << x << " " << y << " " << depth;
        }
    }
}

TEST(GlobeProjection, WindowPointsInsideTheDiscHitTheGlobeAndOutsideDoNot)
{
    EXPECT_TRUE(ScreenToGlobe(kJapan, {400 + 300, 300}));
    EXPECT_TRUE(ScreenToGlobe(kJapan, {400 + 299, 300}));
    EXPECT_FALSE(ScreenToGlobe(kJapan, {400 + 301, 300}));
    EXPECT_TRUE(ScreenToGlobe(kJapan, {400 + 212, 300 + 212}));  // 299.8 from the centre
    EXPECT_FALSE(ScreenToGlobe(kJapan, {400 + 213, 300 + 212}));  // 300.5
    EXPECT_FALSE(ScreenToGlobe(GlobeView{}, {0, 0}));              // no window, no disc
}

TEST(GlobeProjection, AFactorBeyondAnyUseStillGivesWindowPointsInRange)
{
    const GlobeView huge{.width = 800, .height = 600, .factor = 1e300};
    const ScreenPoint p = GlobeToScreen(huge, 10.0, -100.0);
    EXPECT_LE(std::abs(p.point.x - 400), 1000000000);
    EXPECT_LE(std::abs(p.point.y - 300), 1000000000);
}

TEST(GlobeProjection, AWindowPointTurnedBackIntoTheGlobeProjectsOntoItself)
{
    for (const GlobeView& view : {kJapan, GlobeView{.width = 1600, .height = 1200, .factor = 50.0},
                                  GlobeView{.width = 640, .height = 480, .factor = 6.0, .angle = -40.0, .bent = 156.0}}) {
        for (int dx = -250; dx <= 250; dx += 50)
            for (int dy = -250; dy <= 250; dy += 50) {
                if (dx * dx + dy * dy > 0.9 * view.Radius() * view.Radius())
                    continue;
                const DrawPoint point{view.Centre().x + dx, view.Centre().y + dy};
                const auto hit = ScreenToGlobe(view, point);
                ASSERT_TRUE(hit);
                EXPECT_GE(hit->negatedLon, -180.0);
                EXPECT_LE(hit->negatedLon, 180.0);
                const ScreenPoint back = GlobeToScreen(view, hit->lat, hit->negatedLon);
                EXPECT_TRUE(back.front);
                EXPECT_LE(std::abs(back.point.x - point.x), 1) << dx << "," << dy;
                EXPECT_LE(std::abs(back.point.y - point.y), 1) << dx << "," << dy;
            }
    }
}

TEST(GlobeProjection, AGlobePointOnTheFrontSideComesBackFromItsWindowPoint)
{
    const GlobeView view{.width = 1600, .height = 1200, .factor = 50.0};
    const double pixelDegrees = 1.0 / (view.Radius() * kGlobeRadiansPerDegree) * 2;
    for (const auto& [lat, lon] : {std::pair{35.7, -139.7}, std::pair{34.7, -135.5}, std::pair{35.0, -138.0}}) {
        const ScreenPoint screen = GlobeToScreen(view, lat, lon);
        ASSERT_TRUE(screen.front);
        const auto back = ScreenToGlobe(view, screen.point);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->lat, lat, pixelDegrees);
        EXPECT_NEAR(back->negatedLon, lon, pixelDegrees / std::cos(lat * kGlobeRadiansPerDegree));
    }
}

} // namespace
} // namespace qb
