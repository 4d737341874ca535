#pragma once
#include "platform/PathText.h"

#include <cstdint>
#include <string>
#include <vector>

struct zip;
struct zip_file;

namespace qb {

// Reads the members of a .zip archive straight into memory, as the agency
// distributes its XML: one archive per cell holding up to a hundred files.
class CZipArchive {
public:
    struct Member {
        std::int64_t index = 0;
        std::string name;
        std::uint64_t size = 0;
    };

    CZipArchive() = default;
    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;
    ~CZipArchive();

    bool Open(const std::string& path);
    // The members whose names end in ".xml" (any case), in archive order.
    std::vector<Member> XmlMembers() const;
    // Decompresses one member; false (with `error` set) when it can't be read.
    bool Read(const Member& member, std::string& bytes, std::string& error) const;
    const std::string& Error() const { return m_strError; }

private:
    static bool ReadMember(zip_file* file, std::uint64_t size, std::string& bytes, std::string& error);

    zip* m_pArchive = nullptr;
    std::string m_strError;
};


} // namespace qb
