#pragma once
#include <QDialog>

class QLineEdit;

namespace qb {

class CDirSetLogic;

// The folder settings dialog ("フォルダの設定"): the database folder in an
// edit, with a folder chooser ("参照") and the default folder
// ("ﾃﾞﾌｫﾙﾄに戻す"). On OK the logic holds the edit's text.
class CDirSetDlg final : public QDialog {
    Q_OBJECT
public:
    CDirSetDlg(CDirSetLogic& logic, QWidget* parent);

    QString Folder() const;

    void accept() override;
    void Browse();
    void RestoreDefault();

private:
    CDirSetLogic& m_logic;
    QLineEdit* m_folder = nullptr;
};

} // namespace qb
