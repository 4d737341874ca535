#include "places/PlacePaths.h"

#include "platform/FileRead.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cctype>

namespace qb {
namespace {

std::string::size_type NameStart(const std::string& path)
{
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The path with its extension letters replaced by "pln" (".pln" added when
// the name has no extension).
std::string WithPlnExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(path))
        return path + ".pln";
    return path.substr(0, dot + 1) + "pln";
}

} // namespace

std::string PlaceFolder(ISettingsStore& settings)
{
    return settings.GetSettingString("FileInit", "PlnDir", "./place");
}

std::string SystemPlaceFile(const std::string& placeFolder)
{
    return placeFolder + "/" + kSystemPlaceFileName;
}

std::string UserPlaceFile(const std::string& databaseFolder)
{
    return databaseFolder + "/" + kUserPlaceFileName;
}

std::string PlaceFileOf(const std::string& dataPath, bool newDatum, const std::string& placeFolder)
{
    const std::string_view name = std::string_view(dataPath).substr(NameStart(dataPath));
    if (SameNameIgnoringCase(name, kSystemPlaceFileName) || SameNameIgnoringCase(name, kUserPlaceFileName))
        return dataPath;
    const std::string beside = WithPlnExtension(dataPath);
    const std::string inFolder = placeFolder + "/" + beside.substr(NameStart(beside));
    if (newDatum)
        return inFolder;
    return FileSize(beside) >= 0 ? beside : inFolder;
}

} // namespace qb
