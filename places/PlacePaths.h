#pragma once
#include <string>

namespace qb {

class ISettingsStore;

// Where the place files live.
inline constexpr const char* kSystemPlaceFileName = "tessim2.pln";
inline constexpr const char* kUserPlaceFileName = "user.pln";

// The place folder: settings section "FileInit", key "PlnDir", default "./place".
std::string PlaceFolder(ISettingsStore& settings);
std::string SystemPlaceFile(const std::string& placeFolder);
std::string UserPlaceFile(const std::string& databaseFolder);

// The place file that belongs to a data file. "tessim2.pln" and "user.pln"
// are their own place files. For a grid in the new datum it is the data
// file's name with ".pln" in the place folder; otherwise the data file's
// path with the extension "pln" when that file exists, else that name in the
// place folder.
std::string PlaceFileOf(const std::string& dataPath, bool newDatum, const std::string& placeFolder);

} // namespace qb
