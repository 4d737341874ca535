#pragma once
#include <QDialog>

class QCheckBox;
class QListWidget;

namespace qb {

class CDataDriveChoiceLogic;

// The data-disc drive dialog: a list of every drive and a list of the
// removable drives, each drive shown as its letter and mount root, with
// the current data drive selected in both; the check box chooses which list
// OK reads (only that list is enabled). OK stores the check box and gives
// the chosen letter.
class CDataDriveDlg final : public QDialog {
    Q_OBJECT
public:
    CDataDriveDlg(CDataDriveChoiceLogic& logic, QWidget* parent);

    void accept() override;
    // The upper-case letter chosen by an accepted OK.
    char Letter() const { return m_chLetter; }

private:
    QListWidget* CreateList(const QString& name, bool removable);
    void OnRemovableOnly(bool checked);

    CDataDriveChoiceLogic& m_logic;
    QListWidget* m_all = nullptr;
    QListWidget* m_removable = nullptr;
    QCheckBox* m_removableOnly = nullptr;
    char m_chLetter = 0;
};

} // namespace qb
