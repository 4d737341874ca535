#include "tests/fuzz/InputFile.h"

#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace qb::fuzz {

CInputFile::CInputFile(std::string_view bytes)
{
    m_fd = ::memfd_create("quarrenby-fuzz-input", MFD_CLOEXEC);
    if (m_fd < 0)
        throw std::runtime_error("memfd_create failed");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) {
            ::close(m_fd);
            throw std::runtime_error("writing the input file failed");
        }
        done += static_cast<std::size_t>(wrote);
    }
    m_strPath = "/proc/self/fd/" + std::to_string(m_fd);
}

CInputFile::~CInputFile()
{
    ::close(m_fd);
}

} // namespace qb::fuzz
