#include "shell/settings/MapSelectDlg.h"

#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"
#include "terrain/DataSourceChoice.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb {
namespace {

std::vector<std::string> Captions(const CMapSelectLogic& logic)
{
    std::vector<std::string> captions;
    for (int setting = 0; setting < kMeshSettingCount; ++setting)
        captions.push_back(logic.Caption(setting));
    return captions;
}

} // namespace

CMapSelectDlg::CMapSelectDlg(const CMapSelectLogic& logic, int storedSetting, IMessageSink& messages,
                             QWidget* parent)
    : QDialog(parent), m_logic(logic), m_messages(messages)
{
    setWindowTitle(QStringLiteral("地図の選択"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    const std::vector<std::string> captions = Captions(m_logic);
    m_settings = AddRadioButtons(this, layout, {captions.begin(), captions.end()}, QStringLiteral("setting"),
                                 m_logic.Preselection(storedSetting));
    for (QAbstractButton* button : m_settings->buttons())
        button->setEnabled(m_logic.IsEnabled(m_settings->id(button)));
    layout->addLayout(CreateOkCancelRow(*this));
    findChild<QPushButton*>(QStringLiteral("okButton"))->setEnabled(Setting() >= 0);
}

int CMapSelectDlg::Setting() const
{
    return m_settings->checkedId();
}

void CMapSelectDlg::accept()
{
    if (Setting() < 0)
        return;
    QDialog::accept();
}

void CMapSelectDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_bWarned)
        return;
    m_bWarned = true;
    m_logic.WarnWhenEmpty(m_messages);
}

} // namespace qb
