#include "shell/dialogs/FolderSettingsCommand.h"

#include "app/FolderSettings.h"
#include "shell/dialogs/DirSetDlg.h"

namespace qb {

bool RunFolderSettingsCommand(CTessimApp& app, QWidget* parent, IFolderChooser& chooser)
{
    CDirSetLogic logic(app, chooser);
    CDirSetDlg dialog(logic, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return ApplyFolderSettings(app, logic.Text());
}

} // namespace qb
