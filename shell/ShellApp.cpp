#include "shell/ShellApp.h"

#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "places/LabelSettings.h"
#include "shell/MainFrame.h"
#include "shell/help/HelpPages.h"
#include "shell/dialogs/FolderSettingsCommand.h"
#include "terrain/AreaAssembly.h"
#include "terrain/ProgressJob.h"

// The icons are compiled into this library; a static library's resources
// are registered by hand.
static void InitShellResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace qb {

std::optional<ShellOptions> ParseShellArguments(const QStringList& arguments, QString& error)
{
    ShellOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (word == QStringLiteral("--database") && hasValue) {
            options.database = arguments[++i].toStdString();
        } else if (word == QStringLiteral("--mesh-setting") && hasValue) {
            bool ok = false;
            const int mesh = arguments[++i].toInt(&ok);
            if (!ok || mesh < kMeshDisc || mesh > kMeshHybrid1m5m10m) {
                error = QStringLiteral("--mesh-setting takes 0 to 5");
                return std::nullopt;
            }
            options.meshSetting = mesh;
        } else if (word == QStringLiteral("--first-paint-timing")) {
            options.timing = true;
        } else if (word == QStringLiteral("--rendering-view")) {
            options.renderingView = true;
        } else if (word.startsWith(QStringLiteral("--")) || !options.file.empty()) {
            error = QStringLiteral("usage: quarrenby [--database DIR] [--mesh-setting 0..5] [--rendering-view] [FILE]");
            return std::nullopt;
        } else {
            options.file = word.toStdString();
        }
    }
    return options;
}

CShellApp::CShellApp(ISettingsStore& settings, ISystemServices& system, IMessageSink* messages)
    : m_pMessages(messages ? messages : &m_boxes)
    , m_app(settings, system, *m_pMessages)
    , m_jobs(nullptr)
    , m_documents(m_app, m_jobs)
    , m_nameInput(nullptr, *m_pMessages)
{
    InitShellResources();
    InitHelpResources();
}

CShellApp::~CShellApp()
{
    Shutdown();
}

bool CShellApp::Start(const ShellOptions& options)
{
    QElapsedTimer clock;
    clock.start();
    StartTimes times;
    return Start(options, clock, times);
}

bool CShellApp::Start(const ShellOptions& options, const QElapsedTimer& clock, StartTimes& times)
{
    m_app.InitInstance();
    LoadLabelSettings(m_app.Settings());
    ApplyRunOptions(options);
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    m_boxes.SetParent(m_pMainFrame.get());
    m_jobs.SetParent(m_pMainFrame.get());
    m_nameInput.SetParent(m_pMainFrame.get());
    m_documents.SetWindows(m_pMainFrame.get());
    ConnectProgress();
    times.startedUp = clock.elapsed();
    if (!options.file.empty() && !m_documents.OpenDocumentFile(options.file))
        return false;
    times.opened = clock.elapsed();
    m_pMainFrame->showMaximized();
    m_pMainFrame->UpdateCommandStates();
    if (m_app.NeedsFolderSettings())
        RunFolderSettingsCommand(m_app, m_pMainFrame.get(), m_folderChooser);
    if (options.renderingView && m_documents.HasDocument())
        m_pMainFrame->OnCommand(cmd::kShowRender);
    return true;
}

void CShellApp::ApplyRunOptions(const ShellOptions& options)
{
    if (options.database) {
        m_storedDatabase = m_app.m_strDatabaseFolder;
        m_app.m_strDatabaseFolder = *options.database;
    }
    if (options.meshSetting) {
        m_storedMeshSetting = m_app.m_nMapKind;
        m_app.m_nMapKind = *options.meshSetting;
        m_app.m_nSourceKind = SourceKindOfMeshSetting(*options.meshSetting);
    }
}

// The status bar mirrors the progress of reading tiles.
void CShellApp::ConnectProgress()
{
    m_jobs.SetReportHook([this](int kind, int percent) {
        if (kind != kJobJoinTiles || !m_pMainFrame)
            return;
        if (!m_pMainFrame->HasProgress())
            m_pMainFrame->BeginProgress();
        m_pMainFrame->UpdateProgress(percent);
    });
    m_jobs.SetFinishHook([this](int, bool ok) {
        if (m_pMainFrame && m_pMainFrame->HasProgress())
            m_pMainFrame->EndProgress(ok ? 1 : 0);
    });
}

void CShellApp::Shutdown()
{
    if (m_bShutDown)
        return;
    m_bShutDown = true;
    m_documents.SetWindows(nullptr);
    m_pMainFrame.reset();
    if (m_storedDatabase)
        m_app.m_strDatabaseFolder = *m_storedDatabase;
    if (m_storedMeshSetting)
        m_app.m_nMapKind = *m_storedMeshSetting;
    m_app.ExitInstance();
    SaveLabelSettings(m_app.Settings());
    m_app.SaveOnDestroy();
}

} // namespace qb
