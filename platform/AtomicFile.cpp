#include "platform/AtomicFile.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace qb {
namespace {

// New files get the mode an ordinary create would give them; a replaced file
// keeps its own.
mode_t ModeFor(const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

CAtomicFileWriter::~CAtomicFileWriter()
{
    Discard();
}

bool CAtomicFileWriter::Open(const std::string& targetPath)
{
    Discard();
    m_strTarget = targetPath;
    m_strTemp = targetPath + ".XXXXXX";
    const int fd = ::mkstemp(m_strTemp.data());
    if (fd < 0) {
        m_strTemp.clear();
        return false;
    }
    ::fchmod(fd, ModeFor(targetPath));
    m_pFile = ::fdopen(fd, "wb");
    if (!m_pFile) {
        ::close(fd);
        Discard();
        return false;
    }
    m_bFailed = false;
    return true;
}

bool CAtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (!m_pFile || m_bFailed)
        return false;
    if (size > 0 && std::fwrite(data, 1, size, m_pFile) != size)
        m_bFailed = true;
    return !m_bFailed;
}

bool CAtomicFileWriter::Commit()
{
    if (!m_pFile)
        return false;
    bool ok = !m_bFailed && std::fflush(m_pFile) == 0 && ::fsync(::fileno(m_pFile)) == 0;
    ok = std::fclose(m_pFile) == 0 && ok;
    m_pFile = nullptr;
    if (ok)
        ok = std::rename(m_strTemp.c_str(), m_strTarget.c_str()) == 0;
    if (ok)
        m_strTemp.clear();
    Discard();
    return ok;
}

void CAtomicFileWriter::Discard()
{
    if (m_pFile) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
    if (!m_strTemp.empty()) {
        std::remove(m_strTemp.c_str());
        m_strTemp.clear();
    }
}

} // namespace qb
