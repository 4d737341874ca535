#pragma once
#include <cstdint>
#include <string>

namespace qb {

// Reads a whole file into `bytes`; false when it can't be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
enum class FileReadResult { Read, Unreadable, TooLarge };
// As ReadWholeFile, but a file of more than maxBytes is refused before it is
// read (and while it is read, should it grow meanwhile), leaving `bytes` empty.
FileReadResult ReadWholeFileUpTo(const std::string& path, std::string& bytes, std::int64_t maxBytes);
// The size of a file in bytes, or -1.
std::int64_t FileSize(const std::string& path);

} // namespace qb
