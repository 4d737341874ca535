#include "platform/PosixSystemServices.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace qb {

std::string CPosixSystemServices::DocumentsFolder()
{
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/Documents" : std::string();
}

std::string CPosixSystemServices::CurrentFolder()
{
    std::error_code ec;
    const fs::path path = fs::current_path(ec);
    return ec ? std::string() : path.string();
}

bool CPosixSystemServices::SetCurrentFolder(const std::string& path)
{
    std::error_code ec;
    fs::current_path(path, ec);
    return !ec;
}

bool CPosixSystemServices::FolderExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool CPosixSystemServices::FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

bool CPosixSystemServices::CreateFolder(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

std::vector<VolumeInfo> CPosixSystemServices::MountedVolumes()
{
    // /proc/self/mounts: device, mount point, file system, ...; blanks in
    // names are written as \040.
    std::vector<VolumeInfo> volumes;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        VolumeInfo volume;
        if (!(fields >> volume.device >> volume.rootPath >> volume.fileSystem))
            continue;
        for (std::size_t at; (at = volume.rootPath.find("\\040")) != std::string::npos;)
            volume.rootPath.replace(at, 4, " ");
        if (volume.device.starts_with("/dev/"))
            volumes.push_back(volume);
    }
    return volumes;
}

} // namespace qb
