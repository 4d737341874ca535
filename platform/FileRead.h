#pragma once
#include <cstdint>
#include <string>

namespace qb {

// Reads a whole file into `bytes`; false when it can't be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// The size of a file in bytes, or -1.
std::int64_t FileSize(const std::string& path);

} // namespace qb
