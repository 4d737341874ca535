#pragma once
#include "terrain/GeoBox.h"

#include <QPoint>
#include <QString>
#include <QVariant>

#include <functional>
#include <utility>

namespace qb {
class CQtWebView;
} // namespace qb

namespace qb::test {

// How long the page may take to answer or to draw.
inline constexpr int kPageMs = 30000;
// The page receives its coordinates as single-precision values with six decimals.
inline constexpr double kDegreeSlack = 2e-5;

// Runs the event loop until `done` or `timeoutMs` have passed, without the
// short sleeps of QTest::qWaitFor: the web engine's browser side runs on
// this thread, and sleeping between its events slows a page's load several
// times over. False when the time ran out.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);
// Runs a script in the page and waits for its value; an invalid value when none came.
QVariant Evaluate(CQtWebView& web, const QString& script);
// The page's pixel of a point on the map.
QPoint PixelOf(CQtWebView& web, double lat, double lon);
// A Shift+drag with the mouse on the page, in steps as a hand moves.
void ShiftDrag(CQtWebView& web, QPoint from, QPoint to);
// How many lines of the colour ("black", "red", "blue") the page shows, and
// the box round them (east-positive).
std::pair<int, GeoBox> PageLines(CQtWebView& web, const QString& colour);
// Waits for the page to show four lines of the colour round `box`.
bool WaitForPageBox(CQtWebView& web, const QString& colour, const GeoBox& box);
// The two boxes agree to the page's precision.
bool NearBox(const GeoBox& a, const GeoBox& b);

} // namespace qb::test
