#include "terrain/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace qb {

// The largest member the elevation import can use: a grid of 5000 x 5000
// points (all a .3dm tile holds) at about 40 bytes a tuple. The agency's own
// files are a few tens of megabytes.
constexpr std::uint64_t kMaxMemberBytes = std::uint64_t(1) << 30;
// A member's declared size is not trusted for more than this before its
// bytes arrive: a damaged directory entry must not make us allocate.
constexpr std::uint64_t kUntrustedReserveBytes = std::uint64_t(64) << 20;
constexpr std::size_t kChunkBytes = std::size_t(1) << 20;

CZipArchive::~CZipArchive()
{
    if (m_pArchive)
        zip_discard(m_pArchive);
}

bool CZipArchive::Open(const std::string& path)
{
    int error = 0;
    m_pArchive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (m_pArchive)
        return true;
    zip_error_t detail;
    zip_error_init_with_code(&detail, error);
    m_strError = zip_error_strerror(&detail);
    zip_error_fini(&detail);
    return false;
}

std::vector<CZipArchive::Member> CZipArchive::XmlMembers() const
{
    std::vector<Member> members;
    if (!m_pArchive)
        return members;
    const zip_int64_t count = zip_get_num_entries(m_pArchive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(m_pArchive, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
            continue;
        const std::string name = st.name;
        if (!name.empty() && name.back() != '/' && HasExtension(name, ".xml"))
            members.push_back({i, name, (st.valid & ZIP_STAT_SIZE) ? st.size : 0});
    }
    return members;
}

bool CZipArchive::Read(const Member& member, std::string& bytes, std::string& error) const
{
    bytes.clear();
    if (member.size > kMaxMemberBytes) {
        error = "member too large (" + std::to_string(member.size) + " bytes)";
        return false;
    }
    zip_file_t* file = zip_fopen_index(m_pArchive, static_cast<zip_uint64_t>(member.index), 0);
    if (!file) {
        error = zip_strerror(m_pArchive);
        return false;
    }
    const bool read = ReadMember(file, member.size, bytes, error);
    zip_fclose(file);
    if (!read)
        bytes.clear();
    return read;
}

bool CZipArchive::ReadMember(zip_file_t* file, std::uint64_t size, std::string& bytes, std::string& error)
{
    // The buffer grows with the bytes that really arrive, never past the
    // declared size, which libzip also checks against the data.
    bytes.reserve(static_cast<std::size_t>(std::min(size, kUntrustedReserveBytes)));
    while (bytes.size() < size) {
        const std::size_t have = bytes.size();
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, size - have));
        bytes.resize(have + want);
        const zip_int64_t got = zip_fread(file, bytes.data() + have, want);
        if (got <= 0) {
            error = got < 0 ? zip_file_strerror(file) : "member shorter than its entry says";
            return false;
        }
        bytes.resize(have + static_cast<std::size_t>(got));
    }
    return true;
}

} // namespace qb
