#pragma once
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;

namespace qb {

class CInputName;
class IMessageSink;

// The name-input dialog ("地名入力") over the fields of a CInputName: the
// point's height and position, the name (at most 30 code page 932 bytes),
// its display level and its kind. exec() gives kNameInputOk, kNameInputCancel
// or kNameInputDelete; on OK the fields hold the choices.
class CInputNameDlg final : public QDialog {
    Q_OBJECT
public:
    CInputNameDlg(CInputName& fields, IMessageSink& messages, QWidget* parent);

    // The level and kind buttons checked now; -1 when none is.
    int CheckedLevel() const;
    int CheckedKind() const;

    // OK: an empty name is refused with a message and the dialog stays open.
    void accept() override;
    // Cancel, Esc and the close button.
    void reject() override;
    // "削除": ends at once, the fields not read back.
    void Delete();

private:
    QWidget* CreatePointTexts();
    QGroupBox* CreateLevelGroup();
    QGroupBox* CreateKindGroup();
    QLayout* CreateButtons();
    void OnKindClicked(int kind);
    void OnNameChanged(const QString& text);

    CInputName& m_fields;
    IMessageSink& m_messages;
    QLineEdit* m_name = nullptr;
    QGroupBox* m_levelGroup = nullptr;
    QButtonGroup* m_levels = nullptr;
    QButtonGroup* m_kinds = nullptr;
    QString m_lastName;
};

} // namespace qb
