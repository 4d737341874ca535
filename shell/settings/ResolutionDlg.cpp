#include "shell/settings/ResolutionDlg.h"

#include "platform/qt/QtText.h"
#include "render3d/Resolution.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"

#include <QButtonGroup>
#include <QVBoxLayout>

namespace qb {

CResolutionDlg::CResolutionDlg(std::int32_t resolution, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQString(kResolutionTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_choices = AddRadioButtons(this, layout, {kResolutionTexts.begin(), kResolutionTexts.end()},
                                QStringLiteral("fineness"), ResolutionIndexOf(resolution));
    layout->addLayout(CreateOkCancelRow(*this));
}

std::int32_t CResolutionDlg::Resolution() const
{
    return ResolutionOfIndex(m_choices->checkedId());
}

bool RunResolutionDialog(std::int32_t& resolution, QWidget* parent)
{
    CResolutionDlg dialog(resolution, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    resolution = dialog.Resolution();
    return true;
}

} // namespace qb
