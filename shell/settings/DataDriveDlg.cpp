#include "shell/settings/DataDriveDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"
#include "terrain/DataSourceChoice.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace qb {
namespace {

QString DriveText(const DataDriveEntry& drive)
{
    return QStringLiteral("%1:  %2").arg(QChar::fromLatin1(drive.letter), ToQString(drive.root));
}

} // namespace

CDataDriveDlg::CDataDriveDlg(CDataDriveChoiceLogic& logic, QWidget* parent) : QDialog(parent), m_logic(logic)
{
    setWindowTitle(QStringLiteral("CD-ROM ドライブの選択"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_all = CreateList(QStringLiteral("allDrives"), false);
    m_removable = CreateList(QStringLiteral("removableDrives"), true);
    m_removableOnly = new QCheckBox(QStringLiteral("リムーバブル ドライブから選ぶ"), this);
    m_removableOnly->setObjectName(QStringLiteral("removableOnly"));
    m_removableOnly->setChecked(m_logic.RemovableOnly());
    connect(m_removableOnly, &QCheckBox::toggled, this, &CDataDriveDlg::OnRemovableOnly);
    OnRemovableOnly(m_logic.RemovableOnly());

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("すべてのドライブ"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("リムーバブル ドライブ"), this), 0, 1);
    grid->addWidget(m_all, 1, 0);
    grid->addWidget(m_removable, 1, 1);
    grid->addWidget(m_removableOnly, 2, 0, 1, 2);
    grid->addLayout(CreateOkCancelRow(*this), 3, 0, 1, 2);
}

QListWidget* CDataDriveDlg::CreateList(const QString& name, bool removable)
{
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    for (const DataDriveEntry& drive : removable ? m_logic.RemovableDrives() : m_logic.AllDrives())
        list->addItem(DriveText(drive));
    list->setCurrentRow(removable ? m_logic.RemovableSelection() : m_logic.AllSelection());
    return list;
}

void CDataDriveDlg::OnRemovableOnly(bool checked)
{
    m_all->setEnabled(!checked);
    m_removable->setEnabled(checked);
}

void CDataDriveDlg::accept()
{
    m_logic.SelectInAll(m_all->currentRow());
    m_logic.SelectInRemovable(m_removable->currentRow());
    m_logic.SetRemovableOnly(m_removableOnly->isChecked());
    m_chLetter = m_logic.Accept();
    QDialog::accept();
}

} // namespace qb
