#pragma once
#include "platform/AtomicFile.h"

#include <bit>
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

static_assert(std::endian::native == std::endian::little, "the mesh files are written in native byte order");

// A file replaced through a temporary one, its bytes gathered in memory and
// written a megabyte at a time; a write that fails makes Commit fail.
class CBufferedFile {
public:
    bool Open(const std::string& path) { return m_writer.Open(path); }
    void Append(const void* data, std::size_t size);
    void Append(std::string_view text) { Append(text.data(), text.size()); }
    template <class T>
    void Put(const T& value)
    {
        Append(&value, sizeof value);
    }
    bool Commit();

private:
    void Flush();

    CAtomicFileWriter m_writer;
    std::string m_buffer;
    bool m_failed = false;
};

} // namespace qb
