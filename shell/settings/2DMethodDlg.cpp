#include "shell/settings/2DMethodDlg.h"

#include "shell/dialogs/OkCancelRow.h"
#include "shell/settings/RadioButtons.h"

#include <QButtonGroup>
#include <QVBoxLayout>

namespace qb {

C2DMethodDlg::C2DMethodDlg(int method, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("2次元図表示方法の選択"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_methods = AddRadioButtons(this, layout, {"等高線図", "色分け図"}, QStringLiteral("method"),
                                method == kColourBandMethod ? kColourBandMethod : kContourMethod);
    layout->addLayout(CreateOkCancelRow(*this));
}

int C2DMethodDlg::Method() const
{
    return m_methods->checkedId();
}

} // namespace qb
