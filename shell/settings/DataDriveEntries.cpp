#include "shell/settings/DataDriveEntries.h"

#include "app/DataDisc.h"

namespace qb {

std::vector<DataDriveEntry> DataDriveEntriesOf(const std::vector<VolumeInfo>& volumes)
{
    std::vector<DataDriveEntry> entries;
    char letter = 'A';
    for (const VolumeInfo& volume : LetteredVolumes(volumes)) {
        const int type = DriveTypeOf(volume);
        entries.push_back({letter++, volume.rootPath, type == kDriveCdrom || type == kDriveRemovable});
    }
    return entries;
}

} // namespace qb
