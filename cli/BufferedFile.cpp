#include "cli/BufferedFile.h"

namespace qb {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

} // namespace

void CBufferedFile::Append(const void* data, std::size_t size)
{
    m_buffer.append(static_cast<const char*>(data), size);
    if (m_buffer.size() >= kFlushSize)
        Flush();
}

void CBufferedFile::Flush()
{
    if (!m_buffer.empty() && !m_writer.Write(m_buffer.data(), m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
}

bool CBufferedFile::Commit()
{
    Flush();
    return !m_failed && m_writer.Commit();
}

} // namespace qb
