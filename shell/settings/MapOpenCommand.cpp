#include "shell/settings/MapOpenCommand.h"

#include "app/AppMapHost.h"
#include "app/MapAreaAssembly.h"
#include "app/TessimApp.h"
#include "platform/qt/web/QtWebView.h"
#include "shell/settings/MapOpenDlg.h"
#include "terrain/AreaAssembly.h"
#include "terrain/DataSourceChoice.h"
#include "webmap/GlobeObj.h"

#include <algorithm>

namespace qb {
namespace {

// The data source kind whose cells the dialog's grid shows: the disc's own
// kind for the disc setting (secondary cells while no disc is known).
int DataKindOf(CTessimApp& app, int meshSetting)
{
    const int disc = meshSetting == kMeshDisc ? DataDiscCode(app.DataDriveRoot()) : 0;
    return SourceKindOfMeshSetting(meshSetting, std::max(disc, 0));
}

} // namespace

bool RunMapOpenDialog(CTessimApp& app, CAreaRecords& records, int meshSetting, QWidget* parent)
{
    // A box chosen on the map becomes the application's red and blue box;
    // a cancelled dialog gives the open document its own boxes back.
    const GeoBox areaBox = app.m_areaBox;
    const GeoBox viewBox = app.m_viewBox;
    CMapOpenDlg dialog(app.Messages(), parent);
    CAppMapHost host(app);
    CGlobeObj globe(app.Settings(), app.Messages(), host);
    globe.m_nMeshSetting = meshSetting;
    globe.m_nDataKind = DataKindOf(app, meshSetting);
    globe.m_strDatabaseFolder = app.m_strDatabaseFolder;
    globe.CreateWebMap(&dialog.WebView(), 1, ProgramPagePath(QStringLiteral("map.html")));
    dialog.SetChosenBox([&]() -> std::optional<GeoBox> {
        if (!globe.m_bAreaChosen)
            return std::nullopt;
        return host.AreaBox();
    });
    dialog.SetAssembly([&](const GeoBox& box, IProgress& progress) {
        return AssembleChosenArea(app, records, meshSetting, globe.m_nDataKind, box, progress);
    });
    const bool chosen = dialog.exec() == QDialog::Accepted;
    globe.CloseWebMap();
    if (!chosen) {
        app.m_areaBox = areaBox;
        app.m_viewBox = viewBox;
    }
    return chosen;
}

} // namespace qb
