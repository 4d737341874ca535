#include "shell/settings/ResolutionDlg.h"

#include "platform/qt/QtText.h"
#include "render3d/ViewDialogValues.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"

#include <QButtonGroup>
#include <QVBoxLayout>

#include <array>
#include <string_view>

namespace qb {
namespace {

constexpr std::string_view kResolutionTitle = "細かさの設定";
constexpr std::array<std::string_view, 3> kResolutionTexts = {
    "荒く描く", "細かく描く", "非常に細かく描く"};

} // namespace

CResolutionDlg::CResolutionDlg(std::int32_t resolution, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQString(kResolutionTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_choices = AddRadioButtons(this, layout, {kResolutionTexts.begin(), kResolutionTexts.end()},
                                QStringLiteral("fineness"), ResolutionIndex(resolution));
    layout->addLayout(CreateOkCancelRow(*this));
}

std::int32_t CResolutionDlg::Resolution() const
{
    return static_cast<std::int32_t>(ResolutionOfIndex(m_choices->checkedId()));
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
