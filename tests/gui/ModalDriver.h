#pragma once
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace qb::test {

// Waits, while the program runs its own event loops, for a modal dialog of
// class Dialog that is `ready`, and acts on it once, as a user at the screen
// would. When none comes in time, whatever modal dialog is up is rejected so
// that the test ends instead of waiting for input; Acted() then stays false.
template <class Dialog>
class CModalDriver {
public:
    using Action = std::function<void(Dialog&)>;
    using Ready = std::function<bool(Dialog&)>;

    explicit CModalDriver(Action action, Ready ready = {}) : m_action(std::move(action)), m_ready(std::move(ready))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(kPollMs);
        m_clock.start();
    }

    bool Acted() const { return m_bActed; }

private:
    static constexpr int kPollMs = 1;
    static constexpr int kPatienceMs = 15000;

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog && dialog->isVisible() && (!m_ready || m_ready(*dialog))) {
            m_timer.stop();
            m_bActed = true;
            m_action(*dialog);
            return;
        }
        if (m_clock.elapsed() < kPatienceMs)
            return;
        m_timer.stop();
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->reject();
    }

    Action m_action;
    Ready m_ready;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_bActed = false;
};

} // namespace qb::test
