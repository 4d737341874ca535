#pragma once
#include "shell/settings/AboutDlg.h"

#include <optional>

class QWidget;

namespace qb {

class CTessimApp;
class IMessageSink;

// The height-exaggeration command: on OK the application takes the chosen
// index and its factor. True on OK; the caller then has the views redrawn.
bool RunHeightScaleCommand(CTessimApp& app, IMessageSink& messages, QWidget* parent);

// The 2-D display method dialog; on OK `method` becomes the choice. True on OK.
bool Run2DMethodDialog(int& method, QWidget* parent);

// The data-disc drive dialog over the mounted volumes; on OK the chosen
// letter becomes the data drive. True on OK.
bool RunDataDriveCommand(CTessimApp& app, QWidget* parent);

// The data-source dialog; on OK the application's mesh setting becomes the
// choice, which is returned. Nothing on Cancel.
std::optional<int> RunMapSelectDialog(CTessimApp& app, IMessageSink& messages, QWidget* parent);

// The margin command: the margin dialog with the application's margins and
// unit; on OK they are stored and the "Margin" section written. True on OK.
bool RunMarginCommand(CTessimApp& app, IMessageSink& messages, QWidget* parent);

// The about box; the addresses go to `opener`, by default the desktop's handler.
void ShowAboutBox(QWidget* parent, UrlOpener opener = {});

} // namespace qb
