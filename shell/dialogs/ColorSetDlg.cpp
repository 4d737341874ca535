#include "shell/dialogs/ColorSetDlg.h"

#include "colour/PresetSchemes.h"
#include "platform/qt/QtText.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/dialogs/UserColorDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

namespace qb {
namespace {

// The first scheme of each group box; the last group holds the user scheme.
constexpr std::array<int, kColorSetGroupTitles.size() + 1> kFirstSchemeOfGroup = {0, 2, 5, kUserScheme,
                                                                                  kSchemeCount};

} // namespace

CColorSetDlg::CColorSetDlg(ISettingsStore& store, IMessageSink& messages, int scheme, QWidget* parent)
    : QDialog(parent), m_store(store), m_messages(messages), m_logic(store, messages, scheme)
{
    setWindowTitle(ToQString(kColorSetTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_schemes = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    for (int group = 0; group < static_cast<int>(kColorSetGroupTitles.size()); ++group)
        grid->addWidget(CreateSchemeGroup(group), group / 2, group % 2);
    connect(m_schemes, &QButtonGroup::idClicked, this, &CColorSetDlg::OnSchemeClicked);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(CreateOkCancelRow(*this));
    UpdateList();
}

QGroupBox* CColorSetDlg::CreateSchemeGroup(int group)
{
    auto* box = new QGroupBox(ToQString(kColorSetGroupTitles[static_cast<std::size_t>(group)]), this);
    auto* layout = new QVBoxLayout(box);
    const auto first = kFirstSchemeOfGroup[static_cast<std::size_t>(group)];
    const auto end = kFirstSchemeOfGroup[static_cast<std::size_t>(group) + 1];
    for (int scheme = first; scheme < end; ++scheme) {
        auto* radio = new QRadioButton(ToQString(kSchemeButtonTexts[static_cast<std::size_t>(scheme)]), box);
        radio->setObjectName(QStringLiteral("scheme") + QString::number(scheme));
        radio->setChecked(scheme == m_logic.Scheme());
        m_schemes->addButton(radio, scheme);
        layout->addWidget(radio);
    }
    if (end == kSchemeCount)
        AddUserControls(box);
    layout->addStretch();
    return box;
}

void CColorSetDlg::AddUserControls(QGroupBox* box)
{
    m_list = new QComboBox(box);
    m_list->setObjectName(QStringLiteral("schemeList"));
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) { m_logic.Select(index); });
    m_new = CreateButton(kNewSchemeButtonText, "newButton", &CColorSetDlg::NewScheme);
    m_edit = CreateButton(kEditSchemeButtonText, "editButton", &CColorSetDlg::EditScheme);
    m_delete = CreateButton(kDeleteSchemeButtonText, "deleteButton", &CColorSetDlg::DeleteScheme);
    auto* layout = static_cast<QVBoxLayout*>(box->layout());
    layout->addWidget(m_list);
    for (QPushButton* button : {m_new, m_edit, m_delete})
        layout->addWidget(button);
}

QPushButton* CColorSetDlg::CreateButton(std::string_view text, const char* name, void (CColorSetDlg::*slot)())
{
    auto* button = new QPushButton(ToQString(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CColorSetDlg::OnSchemeClicked(int scheme)
{
    m_logic.CheckScheme(scheme);
    UpdateEnabling();
}

void CColorSetDlg::NewScheme()
{
    RunEditor(m_logic.ClickNew());
}

void CColorSetDlg::EditScheme()
{
    if (const std::optional<UserColorRequest> request = m_logic.ClickEdit())
        RunEditor(*request);
}

void CColorSetDlg::RunEditor(const UserColorRequest& request)
{
    CUserColorDlg editor(m_store, m_messages, request, this);
    m_logic.EditorClosed(editor.exec() == QDialog::Accepted);
    UpdateList();
}

void CColorSetDlg::DeleteScheme()
{
    m_logic.ClickDelete();
    UpdateList();
}

void CColorSetDlg::UpdateList()
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const std::string& name : m_logic.Names())
            m_list->addItem(ToQString(name));
        m_list->setCurrentIndex(m_logic.Selection());
    }
    UpdateEnabling();
}

void CColorSetDlg::UpdateEnabling()
{
    m_list->setEnabled(m_logic.IsEnabled(ColorSetControl::List));
    m_new->setEnabled(m_logic.IsEnabled(ColorSetControl::New));
    m_edit->setEnabled(m_logic.IsEnabled(ColorSetControl::Edit));
    m_delete->setEnabled(m_logic.IsEnabled(ColorSetControl::Delete));
}

void CColorSetDlg::accept()
{
    if (m_logic.Ok())
        QDialog::accept();
}

void CColorSetDlg::reject()
{
    if (m_logic.Cancel())
        QDialog::reject();
}

bool RunColourSchemeDialog(ISettingsStore& store, IMessageSink& messages, QWidget* parent, int& schemeNumber)
{
    CColorSetDlg dialog(store, messages, schemeNumber, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    schemeNumber = dialog.Scheme();
    return true;
}

} // namespace qb
