#include "shell/dialogs/OkCancelRow.h"

#include "colour/ColorSetLogic.h"
#include "platform/qt/QtText.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace qb {

QHBoxLayout* CreateOkCancelRow(QDialog& dialog)
{
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(ToQString(kCancelButtonText), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace qb
