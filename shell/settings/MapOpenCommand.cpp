#include "shell/settings/MapOpenCommand.h"

#include "app/AppMapHost.h"
#include "app/MapAreaAssembly.h"
#include "app/TessimApp.h"
#include "platform/qt/web/QtWebView.h"
#include "shell/settings/MapOpenDlg.h"
#include "terrain/AreaAssembly.h"
#include "terrain/DataSourceChoice.h"
#include "webmap/GlobeObj.h"

#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>

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

// Shows the globe instead of the web map when its page cannot be shown:
// no page beside the program, a page that fails to load, or a browser whose
// page process ends.
void FallBackToGlobe(CMapOpenDlg& dialog, CGlobeObj& globe, const std::string& pageUrl)
{
    const QUrl url = WebAddress(QString::fromStdString(pageUrl));
    const auto useGlobe = [&dialog, &globe] {
        globe.CloseWebMap();
        dialog.ShowGlobe(globe);
    };
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        useGlobe();
        return;
    }
    globe.CreateWebMap(&dialog.WebView(), 1, pageUrl);
    QObject::connect(&dialog.WebView(), &QWebEngineView::loadFinished, &dialog, [useGlobe](bool ok) {
        if (!ok)
            useGlobe();
    });
    QObject::connect(dialog.WebView().page(), &QWebEnginePage::renderProcessTerminated, &dialog,
                     [useGlobe](QWebEnginePage::RenderProcessTerminationStatus, int) { useGlobe(); });
}

} // namespace

bool RunMapOpenDialog(CTessimApp& app, CAreaRecords& records, int meshSetting, QWidget* parent,
                      const std::string& pageUrl)
{
    // A box chosen on the map becomes the application's red and blue box;
    // a cancelled dialog gives the open document its own boxes back.
    const GeoBox areaBox = app.m_areaBox;
    const GeoBox viewBox = app.m_viewBox;
    CMapOpenDlg dialog(app.Messages(), parent);
    CAppMapHost host(app);
    CGlobeObj globe(app.Settings(), app.Messages(), host, app.m_strProgramFolder + "/japan.GLL");
    globe.m_bInDialog = 1;
    globe.m_nMeshSetting = meshSetting;
    globe.m_nDataKind = DataKindOf(app, meshSetting);
    globe.m_strDatabaseFolder = app.m_strDatabaseFolder;
    FallBackToGlobe(dialog, globe, pageUrl.empty() ? ProgramPagePath(QStringLiteral("map.html")) : pageUrl);
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
