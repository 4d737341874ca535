#include "shell/settings/HightTimeDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/EditCheck.h"
#include "shell/settings/RadioButtons.h"
#include "views/HeightScaleLogic.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qb {

CHightTimeDlg::CHightTimeDlg(CHightTimeLogic& logic, QWidget* parent) : QDialog(parent), m_logic(logic)
{
    setWindowTitle(ToQString(kHeightScaleTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_choices = AddRadioButtons(this, layout, {kHeightScaleChoiceTexts.begin(), kHeightScaleChoiceTexts.end()},
                                QStringLiteral("choice"), m_logic.Choice());
    connect(m_choices, &QButtonGroup::idClicked, this, &CHightTimeDlg::OnChoice);

    m_factor = new QLineEdit(ToQString(m_logic.Text()), this);
    m_factor->setObjectName(QStringLiteral("factorEdit"));
    m_unit = new QLabel(ToQString(kHeightScaleUnitText), this);
    m_unit->setObjectName(QStringLiteral("unitLabel"));
    auto* factorRow = new QHBoxLayout;
    factorRow->addSpacing(20);
    factorRow->addWidget(m_factor);
    factorRow->addWidget(m_unit);
    layout->addLayout(factorRow);
    layout->addLayout(CreateOkCancelRow(*this));
    OnChoice(m_logic.Choice());
}

void CHightTimeDlg::OnChoice(int index)
{
    m_logic.Choose(index);
    m_factor->setEnabled(m_logic.IsEditEnabled());
    m_unit->setEnabled(m_logic.IsEditEnabled());
}

void CHightTimeDlg::accept()
{
    const bool ok = CheckEdit(*m_factor, [this](const std::string& text) {
        m_logic.SetText(text);
        return m_logic.Ok();
    });
    if (ok)
        QDialog::accept();
}

} // namespace qb
