#pragma once

class QWidget;

namespace qb {

class CTessimApp;
class IFolderChooser;

// The folder settings command: runs the folder settings dialog with the
// application's database folder and, on OK, stores the folder when it
// exists (reporting it otherwise). True when a folder was stored.
bool RunFolderSettingsCommand(CTessimApp& app, QWidget* parent, IFolderChooser& chooser);

} // namespace qb
