#include "shell/dialogs/SelectLevelDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/OkCancelRow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qb {
namespace {

// The first nine check boxes go three to a group, one group for each of
// peaks, rivers and ridges; the five kinds without levels share the last.
constexpr int kBoxesPerLevelGroup = 3;
constexpr int kSingleKindColumns = 3;

int GroupOfCheckBox(int index)
{
    return std::min(index / kBoxesPerLevelGroup, static_cast<int>(kLevelGroupBoxes.size()) - 1);
}

QString ControlName(const char* prefix, int id)
{
    return QString::fromLatin1(prefix) + QString::number(id);
}

} // namespace

CSelectLevelDlg::CSelectLevelDlg(ISettingsStore& store, CLabelState& state,
                                 std::function<void()> repaintViews, QWidget* parent)
    : QDialog(parent), m_logic(store, state, std::move(repaintViews))
{
    setWindowTitle(ToQString(kSelectLevelTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateModeRow());
    layout->addLayout(CreateGroups());
    layout->addLayout(CreateOkCancelRow(*this));
    UpdateEnabling();
}

QLayout* CSelectLevelDlg::CreateModeRow()
{
    auto* modes = new QButtonGroup(this);
    auto* row = new QHBoxLayout;
    const std::pair<int, std::string_view> radios[] = {{kManualRadioId, kManualRadioText},
                                                       {kAutoRadioId, kAutoRadioText}};
    for (const auto& [id, text] : radios) {
        auto* radio = new QRadioButton(ToQString(text), this);
        radio->setObjectName(ControlName("radio", id));
        radio->setChecked(m_logic.IsAutomatic() == (id == kAutoRadioId));
        modes->addButton(radio, id);
        row->addWidget(radio);
    }
    row->addStretch();
    connect(modes, &QButtonGroup::idClicked, this, &CSelectLevelDlg::OnModeClicked);
    return row;
}

QLayout* CSelectLevelDlg::CreateGroups()
{
    auto* grid = new QGridLayout;
    const int levelGroups = static_cast<int>(kLevelGroupBoxes.size()) - 1;
    for (int index = 0; index < levelGroups; ++index)
        grid->addWidget(CreateGroup(index), 0, index);
    grid->addWidget(CreateGroup(levelGroups), 1, 0, 1, levelGroups);
    return grid;
}

QGroupBox* CSelectLevelDlg::CreateGroup(int index)
{
    const LevelGroupBox& group = kLevelGroupBoxes[static_cast<std::size_t>(index)];
    auto* box = new QGroupBox(ToQString(group.title), this);
    box->setObjectName(ControlName("group", group.id));
    m_switchable.emplace_back(group.id, box);
    auto* layout = new QGridLayout(box);
    const bool levels = index < static_cast<int>(kLevelGroupBoxes.size()) - 1;
    int place = 0;
    for (int i = 0; i < static_cast<int>(kLevelCheckBoxes.size()); ++i) {
        if (GroupOfCheckBox(i) != index)
            continue;
        const LevelCheckBox& entry = kLevelCheckBoxes[static_cast<std::size_t>(i)];
        auto* check = new QCheckBox(ToQString(entry.text), box);
        check->setObjectName(ControlName("check", entry.id));
        check->setChecked(m_logic.IsChecked(entry.id));
        connect(check, &QCheckBox::toggled, this,
                [this, id = entry.id](bool checked) { m_logic.SetChecked(id, checked); });
        m_switchable.emplace_back(entry.id, check);
        const int columns = levels ? 1 : kSingleKindColumns;
        layout->addWidget(check, place / columns, place % columns);
        ++place;
    }
    return box;
}

void CSelectLevelDlg::OnModeClicked(int controlId)
{
    m_logic.ClickRadio(controlId);
    UpdateEnabling();
}

void CSelectLevelDlg::UpdateEnabling()
{
    for (const auto& [id, widget] : m_switchable)
        widget->setEnabled(m_logic.IsEnabled(id));
}

void CSelectLevelDlg::accept()
{
    m_logic.Ok();
    QDialog::accept();
}

void CSelectLevelDlg::reject()
{
    m_logic.Cancel();
    QDialog::reject();
}

bool RunDisplayDialog(ISettingsStore& store, QWidget* parent, CLabelState& state)
{
    CSelectLevelDlg dialog(store, state, {}, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb
