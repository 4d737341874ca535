#pragma once
#include "platform/SystemServices.h"

namespace qb {

// System services from the C++ library and the kernel's mount table, for
// programs without a window system such as the command-line tool.
class CPosixSystemServices final : public ISystemServices {
public:
    std::string DocumentsFolder() override;
    std::string CurrentFolder() override;
    bool SetCurrentFolder(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::vector<VolumeInfo> MountedVolumes() override;
};

} // namespace qb
