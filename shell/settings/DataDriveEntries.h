#pragma once
#include "platform/SystemServices.h"
#include "terrain/DataSourceChoice.h"

#include <vector>

namespace qb {

// The drives of the data-disc drive dialog: every lettered volume, 'A'
// first, with its mount root; disc drives and removable volumes count as
// removable.
std::vector<DataDriveEntry> DataDriveEntriesOf(const std::vector<VolumeInfo>& volumes);

} // namespace qb
