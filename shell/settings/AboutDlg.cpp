#include "shell/settings/AboutDlg.h"

#include "platform/qt/QtText.h"
#include "shell/settings/LinkButton.h"
#include "shell/settings/MakerAddresses.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace qb {

CAboutDlg::CAboutDlg(QWidget* parent, UrlOpener opener)
    : QDialog(parent), m_opener(opener ? std::move(opener) : UrlOpener(&QDesktopServices::openUrl))
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("Quarrenby Version 5.1"), this);
    version->setObjectName(QStringLiteral("versionText"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);

    const QString web = ToQString(kMakerWebAddress);
    const QString mail = ToQString(kMakerMailAddress);
    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(version, 0, 1);
    grid->addWidget(AddLink("webButton", web, web), 1, 1);
    grid->addWidget(AddLink("mailButton", mail, QStringLiteral("mailto:") + mail), 2, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
}

CLinkButton* CAboutDlg::AddLink(const char* name, QString caption, QString address)
{
    auto* button = new CLinkButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, address] { m_opener(QUrl(address)); });
    return button;
}

} // namespace qb
