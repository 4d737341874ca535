#include "app/RecentFileList.h"

#include <algorithm>

namespace qb {
namespace {

constexpr std::string_view kSection = "Recent File List";
constexpr std::string_view kSeparators = "/\\";

std::string EntryKey(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t CharCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

void CRecentFileList::Load(ISettingsStore& store)
{
    m_entries.clear();
    for (std::size_t i = 0; i < kSize; ++i) {
        std::string path = store.GetSettingString(kSection, EntryKey(i), "");
        if (!path.empty())
            m_entries.push_back(std::move(path));
    }
}

void CRecentFileList::Save(ISettingsStore& store) const
{
    for (std::size_t i = 0; i < kSize; ++i)
        store.WriteSettingString(kSection, EntryKey(i), i < m_entries.size() ? m_entries[i] : "");
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > kSize)
        m_entries.resize(kSize);
}

void CRecentFileList::Remove(std::size_t index)
{
    if (index < m_entries.size())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CRecentFileList::DisplayName(std::size_t index) const
{
    return index < m_entries.size() ? AbbreviatePath(m_entries[index], kDisplayChars) : "";
}

std::string AbbreviatePath(std::string_view path, std::size_t maxChars)
{
    if (CharCount(path) <= maxChars)
        return std::string(path);
    const std::size_t nameStart = path.find_last_of(kSeparators) + 1;
    const std::string_view name = path.substr(nameStart);
    const std::size_t volumeEnd =
        path.find_first_of(kSeparators, path.find_first_of(kSeparators) + 1);
    if (volumeEnd == std::string_view::npos || volumeEnd >= nameStart)
        return std::string(name);
    const std::size_t volumeChars = CharCount(path.substr(0, volumeEnd));
    if (volumeChars + 5 + CharCount(name) > maxChars)
        return std::string(name);
    // Drop leading folders after the root until "<root>/...<rest>" fits.
    std::size_t rest = volumeEnd;
    while (volumeChars + 4 + CharCount(path.substr(rest)) > maxChars)
        rest = path.find_first_of(kSeparators, rest + 1);
    return std::string(path.substr(0, volumeEnd)) + path[volumeEnd] + "..." +
           std::string(path.substr(rest));
}

} // namespace qb
