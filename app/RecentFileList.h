#pragma once
#include "platform/SettingsStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The files opened last, newest first, kept in "Recent File List" as
// "File1" to "File10".
class CRecentFileList {
public:
    static constexpr std::size_t kSize = 10;
    static constexpr std::size_t kDisplayChars = 30;

    void Load(ISettingsStore& store);
    // Writes all ten keys; slots without a file are written empty so that a
    // removed file does not come back at the next start.
    void Save(ISettingsStore& store) const;

    // Puts the path first; an earlier entry of the same path is dropped and
    // the oldest entry falls off when the list is full.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return m_entries; }
    // The entry as the menu shows it: shortened to kDisplayChars characters.
    std::string DisplayName(std::size_t index) const;

private:
    std::vector<std::string> m_entries;
};

// Shortens a path to at most maxChars characters: the root folder, "/...",
// and as many trailing folders with the file name as fit; only the file name
// when not even "<root>/.../<name>" fits.
std::string AbbreviatePath(std::string_view path, std::size_t maxChars);

} // namespace qb
