#pragma once
#include <array>
#include <string>
#include <string_view>

namespace qb {

class CTessimApp;

inline constexpr std::string_view kOpenDialogTitle = "開く";

// One choice of the open-file dialog's file-type list.
struct FileFilter {
    std::string_view name;
    std::string_view patterns; // ";"-separated wildcards
};

// The open-file dialog's filters in order; the chosen one is kept 1-based.
const std::array<FileFilter, 3>& OpenFileFilters();

// Reads the filter and the folder chosen last into m_nFilterIndex and
// m_strInitialDir. A stored index outside the list reads as the first filter.
void LoadOpenFileChoice(CTessimApp& app);

// Remembers a file chosen in the open-file dialog: its folder and the filter
// shown, in the application and in the settings store, and sets the open
// mode to "one file".
void StoreOpenFileChoice(CTessimApp& app, const std::string& chosenPath, int filterIndex);

// The folder part of a path: everything before its last "/" or "\"; "/" for
// a file in the root folder and empty for a bare file name.
std::string FolderOfPath(std::string_view path);

// The status-bar text of a loading job at `percent`.
std::string StatusProgressText(int percent);

} // namespace qb
