#pragma once
#include "colour/UserColorLogic.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLineEdit;

namespace qb {

class CColourSwatchButton;

// The user colour scheme editor ("ユーザ定義色の設定"): the scheme's name,
// its kind and the colour swatches of each kind, only the chosen kind's
// group usable. A swatch click opens the colour picker with the stored
// custom colours. OK refuses an empty, taken or comma-holding name with a
// message and otherwise stores the scheme.
class CUserColorDlg final : public QDialog {
    Q_OBJECT
public:
    CUserColorDlg(ISettingsStore& store, IMessageSink& messages, UserColorRequest request, QWidget* parent);

    const CUserColorScheme& Scheme() const { return m_logic.Scheme(); }

    void PickSwatchColour(int swatch);
    void accept() override;

private:
    QLayout* CreateNameRow();
    QGroupBox* CreateKindGroup();
    QGroupBox* CreateColourGroup(int kind);
    CColourSwatchButton* CreateSwatch(int swatch, QWidget* parent);
    void OnKindClicked(int kind);
    void UpdateGroups();

    CUserColorLogic m_logic;
    QLineEdit* m_name = nullptr;
    std::array<QGroupBox*, kKindCount> m_groups{};
    std::array<CColourSwatchButton*, kSwatchCount> m_swatches{};
};

} // namespace qb
