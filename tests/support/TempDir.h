#pragma once
#include <string>

namespace qb::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string File(const std::string& name) const { return m_strPath + "/" + name; }

private:
    std::string m_strPath;
};

// Whole-file helpers for fixtures.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// A file of the project's source tree, e.g. "data/sample/x.3dm".
std::string SourcePath(const std::string& relative);

} // namespace qb::test
