#pragma once
#include <string>
#include <string_view>

namespace qb::fuzz {

// Bytes as a file for readers that take a path: an anonymous file in memory,
// named by its descriptor ("/proc/self/fd/N"), gone when the object goes.
class CInputFile {
public:
    explicit CInputFile(std::string_view bytes);
    ~CInputFile();
    CInputFile(const CInputFile&) = delete;
    CInputFile& operator=(const CInputFile&) = delete;

    const std::string& Path() const { return m_strPath; }

private:
    int m_fd = -1;
    std::string m_strPath;
};

} // namespace qb::fuzz
