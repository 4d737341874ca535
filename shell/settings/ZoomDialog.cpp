#include "shell/settings/ZoomDialog.h"

#include "platform/qt/QtText.h"
#include "render3d/ZoomLogic.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/EditCheck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qb {

CZoomDialog::CZoomDialog(CZoomLogic& logic, QWidget* parent) : QDialog(parent), m_logic(logic)
{
    setWindowTitle(ToQString(kZoomTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(ToQString(kZoomFactorLabel), this);
    m_factor = new QLineEdit(ToQString(m_logic.Text()), this);
    m_factor->setObjectName(QStringLiteral("factorEdit"));
    label->setBuddy(m_factor);
    auto* unit = new QLabel(ToQString(kZoomUnitText), this);
    unit->setObjectName(QStringLiteral("unitLabel"));
    row->addWidget(label);
    row->addWidget(m_factor);
    row->addWidget(unit);
    layout->addLayout(row);
    layout->addLayout(CreateOkCancelRow(*this));
}

void CZoomDialog::accept()
{
    const bool ok = CheckEdit(*m_factor, [this](const std::string& text) {
        m_logic.SetText(text);
        return m_logic.Ok();
    });
    if (ok)
        QDialog::accept();
}

bool RunZoomDialog(IMessageSink& messages, double& distance, QWidget* parent)
{
    CZoomLogic logic(messages, distance);
    CZoomDialog dialog(logic, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    distance = logic.Distance();
    return true;
}

} // namespace qb
