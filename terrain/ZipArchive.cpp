#include "terrain/ZipArchive.h"

#include <zip.h>

#include <cctype>
#include <cstring>

namespace qb {

// Real members are tens of megabytes at most; a member claiming more is refused
// before anything is allocated for it.
constexpr std::uint64_t kMaxMemberBytes = std::uint64_t(1) << 31;

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
    if (member.size > kMaxMemberBytes) {
        error = "member too large";
        return false;
    }
    zip_file_t* file = zip_fopen_index(m_pArchive, static_cast<zip_uint64_t>(member.index), 0);
    if (!file) {
        error = zip_strerror(m_pArchive);
        return false;
    }
    bytes.resize(member.size);
    const zip_int64_t got = zip_fread(file, bytes.data(), bytes.size());
    if (got < 0 || static_cast<std::uint64_t>(got) != member.size)
        error = zip_file_strerror(file);
    zip_fclose(file);
    return got >= 0 && static_cast<std::uint64_t>(got) == member.size;
}

} // namespace qb
