#pragma once
#include "cli/ConsoleSinks.h"
#include "platform/MemorySettingsStore.h"
#include "terrain/HeightGrid.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qb::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The arguments of one command: its positional words, its --flags and its
// --options with a value ("--database DIR" or "--database=DIR").
struct Arguments {
    std::vector<std::string> words;
    std::vector<std::string> flags;
    std::vector<std::pair<std::string, std::string>> options;
    std::string error;  // an option given without its value
    bool Has(std::string_view flag) const;
    std::optional<std::string> Option(std::string_view name) const;
};
Arguments SplitArguments(int argc, char** argv, int first);

// What a command works with: messages on stderr and a settings store of its
// own, so that the desktop program's settings are never touched.
struct Session {
    CConsoleMessageSink messages;
    CMemorySettingsStore settings;
    CTerrainEnv Env() { return CTerrainEnv{&messages, &settings}; }
};

// How LoadGrid reads a file: as the program opens it (sea and no-data
// points of an elevation XML file raised to its lowest height), or the heights
// as the file holds them.
enum class GridRead { AsOpened, AsStored };

// Loads FILE into `grid`; false after a message.
bool LoadGrid(Session& session, const std::string& path, CHeightGrid& grid, GridRead read = GridRead::AsOpened);

// "ファイルが見つかりませんでした: FILE"
std::string FileNotFoundText(std::string_view file);
// Runs `open` on FILE: a missing file, and a failure the program says nothing
// about, are reported with the file's name; false after a message.
bool OpenNamingFailures(Session& session, const std::string& path, const std::function<bool()>& open);

// Writes the grid as the file's extension says (.3dm, .asc with .prj, .tif);
// kExitOk, or kExitFailure after naming the file that could not be written.
int WriteGridOrSay(const CHeightGrid& grid, const std::string& path);

std::optional<double> ParseNumber(std::string_view text);
// The whole text as an integer from `low` to `high`; nothing when it is not.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t low, std::int64_t high);
// Integers separated by `separator`, all of the text and nothing else; empty when it is not.
std::vector<int> ParseIntegers(std::string_view text, char separator);
int UsageError(const char* message);
void PrintError(std::string_view message);
const char* FileTypeName(std::int32_t fileType);

int RunInfo(const Arguments& args);
int RunHeight(const Arguments& args);
int RunRefine(const Arguments& args);
int RunExport(const Arguments& args);
int RunTileName(const Arguments& args);
int RunNeighbour(const Arguments& args);
int RunImport(const Arguments& args);
int RunConvert(const Arguments& args);
int RunAssemble(const Arguments& args);
int RunPlaces(const Arguments& args);
int RunArea(const Arguments& args);
int RunOpen(const Arguments& args);
int RunRender(const Arguments& args);
int RunMesh(const Arguments& args);
int RunView3d(const Arguments& args);
int RunGlobe(const Arguments& args);

// The folder of the system place file delivered with the program: beside the
// executable, or the source tree's data/place.
std::string DeliveredPlaceFolder();
// The globe data file delivered with the program: "japan.GLL" beside the
// executable, or the source tree's data/globe/japan.GLL.
std::string DeliveredGlobeFile();

// The database folder the desktop program is configured with; empty when unknown.
std::string ConfiguredDatabaseFolder();
// The mesh setting the desktop program is configured with; 0 when unknown.
int ConfiguredMeshSetting();

} // namespace qb::cli
