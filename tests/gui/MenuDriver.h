#pragma once
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

namespace qb::test {

// Waits for the next popup menu, notes the texts it offers and picks the
// item `choice` with the keyboard; a menu without that item is closed.
class CMenuDriver {
public:
    explicit CMenuDriver(QString choice);

    // The items of the menu that came, in order; empty when none came.
    const QStringList& Offered() const { return m_offered; }
    bool Chosen() const { return m_bChosen; }

private:
    void Poll();

    QString m_choice;
    QStringList m_offered;
    bool m_bChosen = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

} // namespace qb::test
