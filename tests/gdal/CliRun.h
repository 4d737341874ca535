#pragma once
#include "tests/support/TempDir.h"

#include <string>
#include <vector>

namespace qb::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs quarrenby-cli with the arguments, its output kept in files of `dir`.
CliResult RunCli(const CTempDir& dir, const std::vector<std::string>& args);

} // namespace qb::test
