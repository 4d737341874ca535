#include "shell/dialogs/QtNameInputDialog.h"

#include "shell/dialogs/InputNameDlg.h"

namespace qb {

int CQtNameInputDialog::Run(CInputName& fields)
{
    CInputNameDlg dialog(fields, m_messages, m_parent);
    const int result = dialog.exec();
    // A dialog ended by other means than its buttons counts as cancelled.
    if (result == kNameInputOk || result == kNameInputDelete)
        return result;
    return kNameInputCancel;
}

} // namespace qb
