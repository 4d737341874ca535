#include "tests/gui/MapPage.h"

#include "platform/qt/web/QtWebView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

#include <cmath>
#include <optional>

namespace qb::test {
namespace {

constexpr int kDragSteps = 8;
constexpr int kDragStepMs = 15;

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::ShiftModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        // The loop sleeps only while no event is due, and wakes for the next one.
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QVariant Evaluate(CQtWebView& web, const QString& script)
{
    std::optional<QVariant> result;
    web.page()->runJavaScript(script, [&result](const QVariant& value) { result = value; });
    if (!WaitUntil([&] { return result.has_value(); }, kPageMs))
        return {};
    return result.value_or(QVariant());
}

QPoint PixelOf(CQtWebView& web, double lat, double lon)
{
    const QVariantList point =
        Evaluate(web, QStringLiteral("(function(){const p = window.quarrenbyMap.map.latLngToContainerPoint([%1, %2]);"
                                     "return [p.x, p.y];})()")
                          .arg(lat, 0, 'f', 6)
                          .arg(lon, 0, 'f', 6))
            .toList();
    return point.size() == 2 ? QPoint(point[0].toInt(), point[1].toInt()) : QPoint();
}

void ShiftDrag(CQtWebView& web, QPoint from, QPoint to)
{
    QWidget* target = web.focusProxy() ? web.focusProxy() : &web;
    SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= kDragSteps; ++step) {
        SendMouse(target, QEvent::MouseMove, from + (to - from) * step / kDragSteps, Qt::LeftButton);
        QTest::qWait(kDragStepMs);
    }
    SendMouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

std::pair<int, GeoBox> PageLines(CQtWebView& web, const QString& colour)
{
    const QString script = QStringLiteral(
        "(() => { const p = quarrenbyMap.groups.%1.getLayers().flatMap(l => l.getLatLngs());"
        " const lat = p.map(x => x.lat), lon = p.map(x => x.lng);"
        " return JSON.stringify([quarrenbyMap.groups.%1.getLayers().length, Math.min(...lat), Math.max(...lat),"
        " Math.min(...lon), Math.max(...lon)]); })()").arg(colour);
    const QJsonArray n = QJsonDocument::fromJson(Evaluate(web, script).toString().toUtf8()).array();
    return {n[0].toInt(), GeoBox{n[1].toDouble(), n[2].toDouble(), n[3].toDouble(), n[4].toDouble()}};
}

bool WaitForPageBox(CQtWebView& web, const QString& colour, const GeoBox& box)
{
    return WaitUntil([&] {
        const auto [count, bounds] = PageLines(web, colour);
        return count == 4 && NearBox(bounds, box);
    }, kPageMs);
}

bool NearBox(const GeoBox& a, const GeoBox& b)
{
    return std::fabs(a.south - b.south) < kDegreeSlack && std::fabs(a.north - b.north) < kDegreeSlack &&
           std::fabs(a.west - b.west) < kDegreeSlack && std::fabs(a.east - b.east) < kDegreeSlack;
}

} // namespace qb::test
