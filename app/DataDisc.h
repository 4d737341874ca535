#pragma once
#include "platform/SystemServices.h"

#include <array>
#include <string>
#include <vector>

namespace qb {

// Drive types, as kept per drive number (1 = A).
enum DriveType : int {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdrom = 5,
    kDriveRamDisk = 6,
};

// Drive numbers 1 (A) to 25 (Y) are probed; 26 (Z) never is.
inline constexpr int kProbedDriveCount = 25;
// Indexed by drive number; index 0 is unused.
using DriveTypeTable = std::array<int, 27>;

// The drive type of one mounted volume.
int DriveTypeOf(const VolumeInfo& volume);

// The volumes that carry drive letters: one per root path, ordered by root
// path, at most kProbedDriveCount of them; the first is drive A.
std::vector<VolumeInfo> LetteredVolumes(std::vector<VolumeInfo> volumes);

// Fills driveTypes[1..25] (drives without a volume are unknown) and returns
// the letter of the first CD-ROM drive, or 0.
char FindFirstCdromDrive(const std::vector<VolumeInfo>& volumes, DriveTypeTable& driveTypes);

// The mount root of a drive letter (either case), or empty when the letter
// has no volume. A path "x:\Data\..." on the drive becomes "<root>/Data/...".
std::string DriveRootPath(const std::vector<VolumeInfo>& volumes, char letter);

} // namespace qb
