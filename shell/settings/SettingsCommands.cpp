#include "shell/settings/SettingsCommands.h"

#include "app/TessimApp.h"
#include "print/MarginCommand.h"
#include "shell/settings/2DMethodDlg.h"
#include "shell/settings/DataDriveDlg.h"
#include "shell/settings/DataDriveEntries.h"
#include "shell/settings/HightTimeDlg.h"
#include "shell/settings/MapSelectDlg.h"
#include "shell/settings/SetMarginDlg.h"
#include "terrain/DataSourceChoice.h"
#include "views/HeightScaleLogic.h"

namespace qb {

bool RunHeightScaleCommand(CTessimApp& app, IMessageSink& messages, QWidget* parent)
{
    CHightTimeLogic logic(messages, app.m_nHeightScaleIndex, app.m_dHeightScale);
    CHightTimeDlg dialog(logic, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    app.m_nHeightScaleIndex = logic.Index();
    app.m_dHeightScale = logic.Factor();
    return true;
}

bool Run2DMethodDialog(int& method, QWidget* parent)
{
    C2DMethodDlg dialog(method, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    method = dialog.Method();
    return true;
}

bool RunDataDriveCommand(CTessimApp& app, QWidget* parent)
{
    CDataDriveChoiceLogic logic(DataDriveEntriesOf(app.System().MountedVolumes()), app.m_chDataDrive,
                                app.Settings());
    CDataDriveDlg dialog(logic, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    app.m_chDataDrive = dialog.Letter();
    return true;
}

std::optional<int> RunMapSelectDialog(CTessimApp& app, IMessageSink& messages, QWidget* parent)
{
    const CMapSelectLogic logic(app.m_strDatabaseFolder, app.DataDriveRoot());
    CMapSelectDlg dialog(logic, app.m_nMapKind, messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    app.m_nMapKind = dialog.Setting();
    return app.m_nMapKind;
}

bool RunMarginCommand(CTessimApp& app, IMessageSink& messages, QWidget* parent)
{
    return RunMarginCommand(app.Settings(), messages, app.m_rcMargins, app.m_nMarginUnits,
                            [parent](CSetMarginLogic& logic) {
                                CSetMarginDlg dialog(logic, parent);
                                return dialog.exec() == QDialog::Accepted;
                            });
}

void ShowAboutBox(QWidget* parent, UrlOpener opener)
{
    CAboutDlg dialog(parent, std::move(opener));
    dialog.exec();
}

} // namespace qb
