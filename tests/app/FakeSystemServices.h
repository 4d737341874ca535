#pragma once
#include "platform/SystemServices.h"

#include <string>
#include <vector>

namespace qb::test {

// System services over real folders (usually inside a CTempDir) with a
// working folder of its own, so that tests never change the process's, and
// a scripted list of mounted volumes.
class CFakeSystemServices final : public ISystemServices {
public:
    std::string DocumentsFolder() override { return documentsFolder; }
    std::string CurrentFolder() override { return currentFolder; }
    bool SetCurrentFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<VolumeInfo> MountedVolumes() override { return volumes; }

    // A relative path taken from the working folder.
    std::string Resolve(const std::string& path) const;

    std::string documentsFolder;
    std::string currentFolder;
    std::vector<VolumeInfo> volumes;
    std::vector<std::string> createdFolders;
};

} // namespace qb::test
