#include "cli/DocumentSession.h"

#include "app/MapAreaAssembly.h"
#include "terrain/AreaAssembly.h"
#include "terrain/ProgressJob.h"

#include <cstdio>

namespace qb::cli {
namespace {

// The settings the application reads at start: the delivered place folder.
Session& PreparedSession(Session& session)
{
    session.settings.WriteSettingString("FileInit", "PlnDir", DeliveredPlaceFolder());
    return session;
}

} // namespace

void CConsoleHost::SetStatusText(std::string_view text)
{
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

std::string CConsoleHost::FileNotFoundText(std::string_view lookedFor) const
{
    return cli::FileNotFoundText(lookedFor);
}

bool CConsoleJobs::RunJob(int kind, const std::function<int(IProgress&)>& job)
{
    CConsoleProgress progress(kind == kJobCountPlaces ? "Reading names" : "Joining tiles");
    return job(progress) == 1;
}

CDocumentSession::CDocumentSession(const std::string& databaseFolder)
    : m_app(PreparedSession(m_session).settings, m_system, m_session.messages)
    , m_doc(m_app, m_host, m_jobs)
{
    m_app.m_strDatabaseFolder = databaseFolder;
}

void CDocumentSession::UseMeshSetting(int mesh)
{
    m_app.m_nMapKind = mesh;
    m_app.m_nSourceKind = SourceKindOfMeshSetting(mesh);
}

bool CDocumentSession::OpenFile(const std::string& path, std::optional<int> mesh)
{
    UseMeshSetting(mesh.value_or(ConfiguredMeshSetting()));
    m_app.m_nOpenMode = 0;
    // An area file too short to read fails without a word of the program's.
    return OpenNamingFailures(m_session, path, [&] { return m_doc.OpenDocument(path); });
}

bool CDocumentSession::FindAreaTiles(int mesh, const GeoBox& b)
{
    UseMeshSetting(mesh);
    CConsoleProgress progress("Looking for tiles");
    return AssembleMapArea(m_app, m_app.m_area, mesh, m_app.m_nSourceKind, b, &progress, m_app.Messages());
}

bool CDocumentSession::OpenFoundArea()
{
    m_app.m_nOpenMode = 1;
    return m_doc.OpenDocument(m_app.m_area.base.BaseFile());
}

std::string DatabaseFolderOf(const Arguments& args)
{
    return args.Option("--database").value_or(ConfiguredDatabaseFolder());
}

bool MeshSettingOf(const Arguments& args, std::optional<int>& mesh)
{
    mesh.reset();
    const std::optional<std::string> text = args.Option("--mesh-setting");
    if (!text)
        return true;
    const auto value = ParseInteger(*text, kMeshDisc, kMeshHybrid1m5m10m);
    if (value)
        mesh = static_cast<int>(*value);
    return value.has_value();
}

} // namespace qb::cli
