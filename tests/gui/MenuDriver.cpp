#include "tests/gui/MenuDriver.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace qb::test {
namespace {

constexpr int kPollMs = 1;
constexpr int kPatienceMs = 15000;

} // namespace

CMenuDriver::CMenuDriver(QString choice) : m_choice(std::move(choice))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start(kPollMs);
    m_clock.start();
}

void CMenuDriver::Poll()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible()) {
        if (m_clock.elapsed() >= kPatienceMs)
            m_timer.stop();
        return;
    }
    m_timer.stop();
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        m_offered << action->text();
        if (action->text() == m_choice && action->isEnabled())
            chosen = action;
    }
    if (!chosen) {
        menu->close();
        return;
    }
    menu->setActiveAction(chosen);
    QTest::keyClick(menu, Qt::Key_Return);
    m_bChosen = true;
}

} // namespace qb::test
