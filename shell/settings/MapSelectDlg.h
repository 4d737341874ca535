#pragma once
#include <QDialog>

class QButtonGroup;

namespace qb {

class CMapSelectLogic;
class IMessageSink;

// The data-source dialog ("地図の選択"): one button per mesh setting, each
// enabled only when its data exist, the stored setting (or the first that
// has data) chosen. When it opens without any data it says so; OK then
// stays disabled, as there is nothing to choose.
class CMapSelectDlg final : public QDialog {
    Q_OBJECT
public:
    CMapSelectDlg(const CMapSelectLogic& logic, int storedSetting, IMessageSink& messages, QWidget* parent);

    // The setting chosen now; -1 when none is.
    int Setting() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const CMapSelectLogic& m_logic;
    IMessageSink& m_messages;
    QButtonGroup* m_settings = nullptr;
    bool m_bWarned = false;
};

} // namespace qb
