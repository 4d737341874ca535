#include "app/DataDisc.h"

#include <algorithm>
#include <string_view>

namespace qb {
namespace {

bool IsOneOf(const std::string& value, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), value) != names.end();
}

bool IsCdrom(const VolumeInfo& volume)
{
    return IsOneOf(volume.fileSystem, {"iso9660", "udf"}) || volume.device.starts_with("/dev/sr");
}

bool IsRemote(const VolumeInfo& volume)
{
    return IsOneOf(volume.fileSystem,
                   {"nfs", "nfs4", "cifs", "smb3", "sshfs", "fuse.sshfs", "9p"});
}

// Drive number of a letter: 'A' or 'a' is 1; 0 when it is not a probed letter.
int DriveNumber(char letter)
{
    const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A')
                                                        : letter;
    if (upper < 'A' || upper >= 'A' + kProbedDriveCount)
        return 0;
    return upper - 'A' + 1;
}

} // namespace

int DriveTypeOf(const VolumeInfo& volume)
{
    if (IsCdrom(volume))
        return kDriveCdrom;
    if (IsRemote(volume))
        return kDriveRemote;
    if (IsOneOf(volume.fileSystem, {"tmpfs", "ramfs"}))
        return kDriveRamDisk;
    if (volume.removable)
        return kDriveRemovable;
    return volume.ready ? kDriveFixed : kDriveNoRoot;
}

std::vector<VolumeInfo> LetteredVolumes(std::vector<VolumeInfo> volumes)
{
    const auto byRoot = [](const VolumeInfo& a, const VolumeInfo& b) { return a.rootPath < b.rootPath; };
    std::stable_sort(volumes.begin(), volumes.end(), byRoot);
    const auto sameRoot = [](const VolumeInfo& a, const VolumeInfo& b) { return a.rootPath == b.rootPath; };
    volumes.erase(std::unique(volumes.begin(), volumes.end(), sameRoot), volumes.end());
    if (volumes.size() > kProbedDriveCount)
        volumes.resize(kProbedDriveCount);
    return volumes;
}

char FindFirstCdromDrive(const std::vector<VolumeInfo>& volumes, DriveTypeTable& driveTypes)
{
    driveTypes.fill(kDriveUnknown);
    const std::vector<VolumeInfo> lettered = LetteredVolumes(volumes);
    char first = 0;
    for (std::size_t i = 0; i < lettered.size(); ++i) {
        driveTypes[i + 1] = DriveTypeOf(lettered[i]);
        if (first == 0 && driveTypes[i + 1] == kDriveCdrom)
            first = static_cast<char>('A' + i);
    }
    return first;
}

std::string DriveRootPath(const std::vector<VolumeInfo>& volumes, char letter)
{
    const int number = DriveNumber(letter);
    const std::vector<VolumeInfo> lettered = LetteredVolumes(volumes);
    if (number == 0 || static_cast<std::size_t>(number) > lettered.size())
        return {};
    return lettered[number - 1].rootPath;
}

} // namespace qb
