#include "tests/app/FakeSystemServices.h"

#include <filesystem>

namespace qb::test {

std::string CFakeSystemServices::Resolve(const std::string& path) const
{
    return path.starts_with('/') ? path : currentFolder + "/" + path;
}

bool CFakeSystemServices::SetCurrentFolder(const std::string& path)
{
    if (!FolderExists(path))
        return false;
    currentFolder = Resolve(path);
    return true;
}

bool CFakeSystemServices::FolderExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(Resolve(path), ec);
}

bool CFakeSystemServices::FileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(Resolve(path), ec);
}

bool CFakeSystemServices::CreateFolder(const std::string& path)
{
    createdFolders.push_back(path);
    std::error_code ec;
    std::filesystem::create_directories(Resolve(path), ec);
    return !ec && FolderExists(path);
}

} // namespace qb::test
