#pragma once
#include "cli/ConsoleSinks.h"
#include "platform/MemorySettingsStore.h"
#include "terrain/HeightGrid.h"

#include <optional>
#include <string>
#include <vector>

namespace qb::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The arguments of one command: its positional words and its --flags.
struct Arguments {
    std::vector<std::string> words;
    std::vector<std::string> flags;
    bool Has(std::string_view flag) const;
};
Arguments SplitArguments(int argc, char** argv, int first);

// What a command works with: messages on stderr and a settings store of its
// own, so that the desktop program's settings are never touched.
struct Session {
    CConsoleMessageSink messages;
    CMemorySettingsStore settings;
    CTerrainEnv Env() { return CTerrainEnv{&messages, &settings}; }
};

// Loads FILE into `grid` as the program opens a file; false after a message.
bool LoadGrid(Session& session, const std::string& path, CHeightGrid& grid);

std::optional<double> ParseNumber(std::string_view text);
int UsageError(const char* message);
void PrintError(std::string_view message);
const char* FileTypeName(std::int32_t fileType);

int RunInfo(const Arguments& args);
int RunHeight(const Arguments& args);
int RunRefine(const Arguments& args);
int RunExport(const Arguments& args);

} // namespace qb::cli
