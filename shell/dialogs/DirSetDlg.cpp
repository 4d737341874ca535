#include "shell/dialogs/DirSetDlg.h"

#include "app/FolderSettings.h"
#include "platform/qt/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb {
namespace {

QPushButton* AddButton(QVBoxLayout* column, std::string_view text, QWidget* parent)
{
    auto* button = new QPushButton(ToQString(text), parent);
    column->addWidget(button);
    return button;
}

} // namespace

CDirSetDlg::CDirSetDlg(CDirSetLogic& logic, QWidget* parent) : QDialog(parent), m_logic(logic)
{
    setWindowTitle(ToQString(kDirSetTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_folder = new QLineEdit(ToQString(m_logic.Text()), this);
    m_folder->setObjectName(QStringLiteral("folderEdit"));
    m_folder->setMaxLength(kDirSetEditMaxChars);
    m_folder->setMinimumWidth(360);
    auto* caption = new QLabel(ToQString(kDirSetLabel), this);
    caption->setBuddy(m_folder);

    auto* column = new QVBoxLayout;
    QPushButton* ok = AddButton(column, "OK", this);
    ok->setDefault(true);
    QPushButton* cancel = AddButton(column, kDirSetCancelText, this);
    QPushButton* restore = AddButton(column, kDirSetDefaultText, this);
    restore->setObjectName(QStringLiteral("defaultButton"));
    column->addStretch();
    connect(ok, &QPushButton::clicked, this, &CDirSetDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CDirSetDlg::reject);
    connect(restore, &QPushButton::clicked, this, &CDirSetDlg::RestoreDefault);

    auto* browse = new QPushButton(ToQString(kDirSetBrowseText), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    connect(browse, &QPushButton::clicked, this, &CDirSetDlg::Browse);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(m_folder, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(new QLabel(ToQString(kDirSetHint), this), 2, 0, 1, 2);
    grid->addLayout(column, 0, 2, 4, 1);
    grid->setRowStretch(3, 1);
}

QString CDirSetDlg::Folder() const
{
    return m_folder->text();
}

void CDirSetDlg::Browse()
{
    m_logic.SetText(m_folder->text().toStdString());
    m_logic.Browse();
    m_folder->setText(ToQString(m_logic.Text()));
}

void CDirSetDlg::RestoreDefault()
{
    if (m_logic.RestoreDefault())
        m_folder->setText(ToQString(m_logic.Text()));
}

void CDirSetDlg::accept()
{
    m_logic.SetText(m_folder->text().toStdString());
    QDialog::accept();
}

} // namespace qb
