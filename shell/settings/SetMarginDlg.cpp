#include "shell/settings/SetMarginDlg.h"

#include "platform/qt/QtText.h"
#include "print/MarginDialogLogic.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qb {
namespace {

// Object names by side, in the order left, top, right, bottom.
constexpr std::array<const char*, 4> kEditNames = {"leftEdit", "topEdit", "rightEdit", "bottomEdit"};

} // namespace

CSetMarginDlg::CSetMarginDlg(CSetMarginLogic& logic, QWidget* parent) : QDialog(parent), m_logic(logic)
{
    setWindowTitle(ToQString(kSetMarginTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* fields = new QHBoxLayout;
    fields->addLayout(CreateEdits());
    fields->addWidget(CreateUnitGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(CreateOkCancelRow(*this));
}

QLayout* CSetMarginDlg::CreateEdits()
{
    auto* form = new QFormLayout;
    for (const MarginEdit& margin : kMarginEdits) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kEditNames[margin.side]));
        // Connected before the first text is set: the logic knows that
        // text as its own and ignores its notification.
        connect(edit, &QLineEdit::textChanged, this,
                [this, side = margin.side](const QString& text) { m_logic.EditChanged(side, text.toStdString()); });
        edit->setText(ToQString(m_logic.Text(margin.side)));
        auto* caption = new QLabel(ToQString(margin.caption), this);
        caption->setBuddy(edit);
        form->addRow(caption, edit);
        m_edits[margin.side] = edit;
    }
    return form;
}

QWidget* CSetMarginDlg::CreateUnitGroup()
{
    auto* group = new QGroupBox(ToQString(kUnitGroupTitle), this);
    auto* layout = new QVBoxLayout(group);
    m_units = AddRadioButtons(group, layout, {kUnitButtonTexts.begin(), kUnitButtonTexts.end()},
                              QStringLiteral("unit"), m_logic.Units());
    connect(m_units, &QButtonGroup::idClicked, this, &CSetMarginDlg::OnUnits);
    return group;
}

void CSetMarginDlg::OnUnits(int units)
{
    m_logic.ChooseUnits(units);
    for (int side = 0; side < static_cast<int>(m_edits.size()); ++side)
        m_edits[side]->setText(ToQString(m_logic.Text(side)));
}

void CSetMarginDlg::accept()
{
    if (!m_logic.Ok()) {
        QLineEdit* edit = m_edits[m_logic.FocusSide()];
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace qb
