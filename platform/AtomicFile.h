#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

namespace qb {

// Replaces a file safely: everything is written to a temporary file beside
// the target, which is renamed over the target only when all was written.
// A failure (or destruction without Commit) removes the temporary file and
// leaves the old target as it was.
class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;
    ~CAtomicFileWriter();

    bool Open(const std::string& targetPath);
    bool Write(const void* data, std::size_t size);
    bool Commit();

private:
    void Discard();

    std::FILE* m_pFile = nullptr;
    std::string m_strTarget;
    std::string m_strTemp;
    bool m_bFailed = false;
};

} // namespace qb
