#include "tests/gdal/CliRun.h"

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <sys/wait.h>

namespace qb::test {
namespace {

std::string Quoted(const std::string& word)
{
    std::string out = "'";
    for (const char ch : word)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

} // namespace

CliResult RunCli(const CTempDir& dir, const std::vector<std::string>& args)
{
    std::string command = Quoted(QB_CLI_PATH);
    for (const auto& arg : args)
        command.append(" ").append(Quoted(arg));
    command.append(" >").append(Quoted(dir.File("cli.out")));
    command.append(" 2>").append(Quoted(dir.File("cli.err")));
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(dir.File("cli.out"));
    result.err = ReadFileBytes(dir.File("cli.err"));
    return result;
}

} // namespace qb::test
