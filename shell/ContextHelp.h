#pragma once
#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace qb {

// Help on what is clicked next (Shift+F1): the pointer becomes the help
// cursor, and the next click on a command or a window asks for that one's
// help instead of running it. Esc, or a click on nothing that has help, ends
// the mode without help.
class CContextHelpMode final : public QObject {
public:
    // `contextAt` gives the help context of a point on a widget, or -1 when
    // the click should go through (opening a menu to pick an item from).
    using ContextAt = std::function<int(QWidget* widget, const QPoint& globalPos)>;
    CContextHelpMode(ContextAt contextAt, std::function<void(int context)> showHelp, QObject* parent = nullptr);
    ~CContextHelpMode() override;

    void Begin();
    bool IsActive() const { return m_bActive; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();
    void StopWatching();

    ContextAt m_contextAt;
    std::function<void(int)> m_showHelp;
    bool m_bActive = false;
    bool m_bSwallowRelease = false;   // the release of the click that asked for help
};

} // namespace qb
