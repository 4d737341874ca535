#pragma once
#include "places/FontDialogLogic.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;

namespace qb {

// The label font dialog ("ﾌｫﾝﾄの設定"): the 14 place-name kinds in a list,
// the font chooser for the selected kind ("ﾌｫﾝﾄの選択(&F)..." or a double
// click) and, since Qt's font chooser has no colour, the colour picker for
// it beside ("色の選択(&C)..."); a preview shows the selected kind's label.
// OK stores the fonts in the label state and the settings store.
class CSelectFontDlg final : public QDialog {
    Q_OBJECT
public:
    CSelectFontDlg(ISettingsStore& store, CLabelState& state, std::function<void()> repaintViews,
                   QWidget* parent);

    // The font of a kind as the dialog holds it.
    const LabelFont& Font(int kind) const { return m_logic.Font(kind); }

    void ChooseFont();
    void ChooseColour();
    void accept() override;
    void reject() override;

private:
    QLayout* CreateButtonColumn();
    void OnRowChanged(int row);
    void ShowPreview();

    CSelectFontLogic m_logic;
    QListWidget* m_kinds = nullptr;
    QLabel* m_preview = nullptr;
};

// The font command of the main window: runs the dialog over the process's
// label state. True when it ended with OK (the views are then to be redrawn).
bool RunFontDialog(ISettingsStore& store, QWidget* parent, CLabelState& state = g_LabelState);

} // namespace qb
