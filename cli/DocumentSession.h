#pragma once
#include "app/DocumentHost.h"
#include "app/TessimApp.h"
#include "app/TessimDoc.h"
#include "cli/CliSupport.h"
#include "platform/JobRunner.h"
#include "platform/PosixSystemServices.h"
#include "terrain/GeoBox.h"

#include <optional>
#include <string>

namespace qb::cli {

// The only document of the tool: nothing else to close, the status line on
// stderr, and a file not found is named.
class CConsoleHost final : public IDocumentHost {
public:
    bool CloseOtherDocuments(CTessimDoc&) override { return true; }
    void SetStatusText(std::string_view text) override;
    std::string FileNotFoundText(std::string_view lookedFor) const override;
};

// Runs a job with a bar on the terminal; nobody can cancel it.
class CConsoleJobs final : public IJobRunner {
public:
    bool RunJob(int kind, const std::function<int(IProgress&)>& job) override;
};

// An application object and its one document, set up as the desktop program
// sets them up: the system place file delivered with the program and the
// user place file of the given database folder.
class CDocumentSession {
public:
    explicit CDocumentSession(const std::string& databaseFolder);

    CTessimApp& App() { return m_app; }
    CTessimDoc& Doc() { return m_doc; }
    Session& Console() { return m_session; }

    // The mesh setting (0 data disc, 1 10 m, 2 5 m, 3 5 m on 10 m, 4 1 m,
    // 5 1 m on 5 m on 10 m): which tiles an area names, and the data source
    // the document is told about.
    void UseMeshSetting(int mesh);
    // Opens a data file or a named area (.ARE) as the program opens a file,
    // an area's tiles by the mesh setting given, else by the desktop
    // program's; false after a message.
    bool OpenFile(const std::string& path, std::optional<int> mesh = std::nullopt);
    // Looks for the tiles of mesh setting 1 .. 5 in the box (longitudes east
    // positive), as the area chosen on the map is assembled; false when none
    // were found.
    bool FindAreaTiles(int mesh, const GeoBox& bounds);
    // Opens the area found; false after a message.
    bool OpenFoundArea();

private:
    Session m_session;
    CPosixSystemServices m_system;
    CTessimApp m_app;
    CConsoleHost m_host;
    CConsoleJobs m_jobs;
    CTessimDoc m_doc;
};

// The database folder a command works with: --database, else the configured one.
std::string DatabaseFolderOf(const Arguments& args);

inline constexpr const char* kMeshSettingUsage = "--mesh-setting takes 0 to 5";

// --mesh-setting M (0 .. 5) of a command that opens a file: the value given,
// nothing when not given; false when it is not one of those numbers.
bool MeshSettingOf(const Arguments& args, std::optional<int>& mesh);

} // namespace qb::cli
