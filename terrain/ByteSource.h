#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// Random-access bytes of a file or of an archive member held in memory.
class IByteSource {
public:
    virtual ~IByteSource() = default;
    virtual std::int64_t Size() const = 0;
    // Reads up to `size` bytes at `offset`; returns how many were read.
    virtual std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) = 0;
};

class CFileByteSource final : public IByteSource {
public:
    CFileByteSource() = default;
    CFileByteSource(const CFileByteSource&) = delete;
    CFileByteSource& operator=(const CFileByteSource&) = delete;
    ~CFileByteSource() override;
    bool Open(const std::string& path);
    std::int64_t Size() const override { return m_nSize; }
    std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) override;

private:
    int m_fd = -1;
    std::int64_t m_nSize = 0;
};

class CMemoryByteSource final : public IByteSource {
public:
    explicit CMemoryByteSource(std::string_view bytes) : m_bytes(bytes) {}
    std::int64_t Size() const override { return static_cast<std::int64_t>(m_bytes.size()); }
    std::size_t ReadAt(std::int64_t offset, char* buffer, std::size_t size) override;

private:
    std::string_view m_bytes;
};

} // namespace qb
