#include "tests/gui/ViewMouse.h"

#include "tests/gui/MenuDriver.h"

#include <QTest>
#include <QWidget>

namespace qb::test {
namespace {

// Moves on the way, as a hand does, so that the band is drawn as it grows.
constexpr int kDragSteps = 4;

} // namespace

QStringList DragAndChoose(QWidget& view, QPoint from, QPoint to, const QString& choice)
{
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= kDragSteps; ++step)
        QTest::mouseMove(&view, from + (to - from) * step / kDragSteps);
    CMenuDriver menu(choice);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to);
    return menu.Offered();
}

} // namespace qb::test
