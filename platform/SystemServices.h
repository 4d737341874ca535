#pragma once
#include <string>
#include <vector>

namespace qb {

// A mounted volume as the system reports it; the drive type is derived from
// these facts by the core (see app/DataDisc.h).
struct VolumeInfo {
    std::string rootPath;     // mount point, e.g. "/media/user/DEM50"
    std::string fileSystem;   // e.g. "iso9660", "ext4", "nfs4"
    std::string device;       // e.g. "/dev/sr0"
    bool removable = false;   // the block device says it is removable
    bool ready = true;        // the volume can be read
};

// The desktop services that start-up needs: folders, the working folder,
// file tests and the mounted volumes.
class ISystemServices {
public:
    virtual ~ISystemServices() = default;
    virtual std::string DocumentsFolder() = 0;   // empty when unknown
    virtual std::string CurrentFolder() = 0;
    virtual bool SetCurrentFolder(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual std::vector<VolumeInfo> MountedVolumes() = 0;
};

} // namespace qb
