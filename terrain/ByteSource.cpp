#include "terrain/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qb {

CFileByteSource::~CFileByteSource()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CFileByteSource::Open(const std::string& path)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_nSize = static_cast<std::int64_t>(st.st_size);
    return true;
}

std::size_t CFileByteSource::ReadAt(std::int64_t offset, char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(m_fd, buffer + done, size - done, static_cast<off_t>(offset) + done);
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::size_t CMemoryByteSource::ReadAt(std::int64_t offset, char* buffer, std::size_t size)
{
    if (offset < 0 || offset >= Size())
        return 0;
    const std::size_t count = std::min(size, m_bytes.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer, m_bytes.data() + offset, count);
    return count;
}

} // namespace qb
