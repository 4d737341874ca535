#include "platform/FileRead.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <sys/stat.h>

namespace qb {

namespace {

struct FileCloser { void operator()(std::FILE* f) const { std::fclose(f); } };

FileReadResult ReadOpenFile(std::FILE* file, std::string& bytes, std::int64_t maxBytes)
{
    bytes.clear();
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (std::int64_t(bytes.size() + got) > maxBytes) {
            bytes.clear();
            return FileReadResult::TooLarge;
        }
        bytes.append(chunk, got);
    }
    return std::ferror(file) ? FileReadResult::Unreadable : FileReadResult::Read;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    return ReadWholeFileUpTo(path, bytes, std::numeric_limits<std::int64_t>::max()) == FileReadResult::Read;
}

FileReadResult ReadWholeFileUpTo(const std::string& path, std::string& bytes, std::int64_t maxBytes)
{
    bytes.clear();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return FileReadResult::Unreadable;
    struct stat st {};
    if (::fstat(::fileno(file.get()), &st) == 0 && std::int64_t(st.st_size) > maxBytes)
        return FileReadResult::TooLarge;
    return ReadOpenFile(file.get(), bytes, maxBytes);
}

std::int64_t FileSize(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    return static_cast<std::int64_t>(st.st_size);
}

} // namespace qb
