#pragma once
#include "platform/SystemServices.h"

#include <string>

namespace qb {

// Folders, the working folder and the mounted volumes of the desktop.
class CQtSystemServices final : public ISystemServices {
public:
    std::string DocumentsFolder() override;
    std::string CurrentFolder() override;
    bool SetCurrentFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    // Every mounted folder (mounts of single files are left out).
    std::vector<VolumeInfo> MountedVolumes() override;
};

// Whether the block device holding a device node says it is removable, from
// <sysRoot>/class/block/<name>/removable or, for a partition, the same file
// of its disk. False when neither can be read.
bool IsRemovableDevice(const std::string& device, const std::string& sysRoot = "/sys");

} // namespace qb
