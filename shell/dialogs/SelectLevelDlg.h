#pragma once
#include "places/DisplayDialogLogic.h"

#include <QDialog>

#include <functional>
#include <utility>
#include <vector>

class QGroupBox;

namespace qb {

// The place-name display dialog ("地名表示の設定"): automatic or manual
// choice of labels, and the 14 kinds' check boxes in their four group
// boxes, usable only in the manual mode. OK stores the 15 values in the
// label state and the settings store.
class CSelectLevelDlg final : public QDialog {
    Q_OBJECT
public:
    CSelectLevelDlg(ISettingsStore& store, CLabelState& state, std::function<void()> repaintViews,
                    QWidget* parent);

    void accept() override;
    void reject() override;

private:
    QLayout* CreateModeRow();
    QLayout* CreateGroups();
    QGroupBox* CreateGroup(int index);
    void OnModeClicked(int controlId);
    void UpdateEnabling();

    CSelectLevelLogic m_logic;
    // The check boxes and group boxes, by control identifier.
    std::vector<std::pair<int, QWidget*>> m_switchable;
};

// The display command of the main window: runs the dialog over the
// process's label state. True when it ended with OK (the views are then to
// be redrawn).
bool RunDisplayDialog(ISettingsStore& store, QWidget* parent, CLabelState& state = g_LabelState);

} // namespace qb
