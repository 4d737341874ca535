#pragma once
#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace qb {

class CHightTimeLogic;

// The height-exaggeration dialog ("高さの強調表示") over its logic: five
// choices, and an edit with its "倍" label enabled only for "任意の倍率".
// A refused OK keeps the dialog open with the focus on the edit.
class CHightTimeDlg final : public QDialog {
    Q_OBJECT
public:
    CHightTimeDlg(CHightTimeLogic& logic, QWidget* parent);

    void accept() override;

private:
    void OnChoice(int index);

    CHightTimeLogic& m_logic;
    QButtonGroup* m_choices = nullptr;
    QLineEdit* m_factor = nullptr;
    QLabel* m_unit = nullptr;
};

} // namespace qb
