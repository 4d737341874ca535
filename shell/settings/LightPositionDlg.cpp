#include "shell/settings/LightPositionDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>
#include <string_view>

namespace qb {
namespace {

constexpr std::string_view kLightPositionTitle = "光源の位置";
// The directions by index, clockwise from straight ahead of the camera.
constexpr std::array<std::string_view, 8> kLightDirectionTexts = {
    "奥(&1)", "右奥(&2)", "右(&3)", "右手前(&4)", "手前(&5)", "左手前(&6)", "左(&7)", "左奥(&8)"};
constexpr std::array<std::string_view, 3> kLightHeightTexts = {"高い(&H)", "中間(&M)", "低い(&L)"};

QButtonGroup* AddGroup(QWidget* parent, QBoxLayout* layout, const QString& title,
                       const std::vector<std::string_view>& texts, const QString& prefix, int checked)
{
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    layout->addWidget(box);
    QButtonGroup* group = AddRadioButtons(box, column, texts, prefix, checked);
    column->addStretch();
    return group;
}

} // namespace

CLightPositionDlg::CLightPositionDlg(const LightChoice& choice, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(ToQString(kLightPositionTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    layout->addLayout(groups);
    m_directions = AddGroup(this, groups, QStringLiteral("方向"),
                            {kLightDirectionTexts.begin(), kLightDirectionTexts.end()}, QStringLiteral("direction"),
                            choice.direction);
    m_heights = AddGroup(this, groups, QStringLiteral("高さ"), {kLightHeightTexts.begin(), kLightHeightTexts.end()},
                         QStringLiteral("height"), choice.height);
    layout->addLayout(CreateOkCancelRow(*this));
}

LightChoice CLightPositionDlg::Choice() const
{
    return LightChoice{m_directions->checkedId(), m_heights->checkedId()};
}

bool RunLightPositionDialog(RenderCamera& camera, QWidget* parent)
{
    CLightPositionDlg dialog(LightChoiceOf(camera), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyLightChoice(camera, dialog.Choice());
    return true;
}

} // namespace qb
