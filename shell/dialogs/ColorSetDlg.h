#pragma once
#include "colour/ColorSetLogic.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace qb {

// The colour scheme dialog ("色の設定"): the eight schemes as radio buttons
// in four groups; the user-defined one with the list of stored user schemes
// and the buttons that make, edit and delete them. OK gives the chosen
// scheme number; with the user scheme chosen and none stored, OK and
// Cancel are refused with a message.
class CColorSetDlg final : public QDialog {
    Q_OBJECT
public:
    CColorSetDlg(ISettingsStore& store, IMessageSink& messages, int scheme, QWidget* parent);

    int Scheme() const { return m_logic.Scheme(); }

    void NewScheme();
    void EditScheme();
    void DeleteScheme();
    void accept() override;
    void reject() override;

private:
    QGroupBox* CreateSchemeGroup(int group);
    void AddUserControls(QGroupBox* box);
    QPushButton* CreateButton(std::string_view text, const char* name, void (CColorSetDlg::*slot)());
    void OnSchemeClicked(int scheme);
    void RunEditor(const UserColorRequest& request);
    void UpdateList();
    void UpdateEnabling();

    ISettingsStore& m_store;
    IMessageSink& m_messages;
    CColorSetLogic m_logic;
    QButtonGroup* m_schemes = nullptr;
    QComboBox* m_list = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};

// The rendering view's colour command: runs the dialog opened at
// `schemeNumber`. True when it ended with OK, `schemeNumber` then holding
// the chosen scheme (the view is then to be rendered again).
bool RunColourSchemeDialog(ISettingsStore& store, IMessageSink& messages, QWidget* parent, int& schemeNumber);

} // namespace qb
