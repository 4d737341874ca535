#pragma once
#include <QDialog>

#include <array>

class QButtonGroup;
class QLineEdit;

namespace qb {

class CSetMarginLogic;

// The margin dialog ("マージンの設定") over its logic: an edit per margin,
// shown in the unit of the "単位" buttons. Every change of an edit's text
// goes to the logic, so that the dialog's own rewrites on a unit switch are
// told apart from typing; a refused OK keeps the dialog open with the focus
// on the edit at fault.
class CSetMarginDlg final : public QDialog {
    Q_OBJECT
public:
    CSetMarginDlg(CSetMarginLogic& logic, QWidget* parent);

    // The edit of a side (kLeftMargin ... kBottomMargin).
    QLineEdit* Edit(int side) const { return m_edits[side]; }

    void accept() override;

private:
    QLayout* CreateEdits();
    QWidget* CreateUnitGroup();
    void OnUnits(int units);

    CSetMarginLogic& m_logic;
    std::array<QLineEdit*, 4> m_edits{};
    QButtonGroup* m_units = nullptr;
};

} // namespace qb
