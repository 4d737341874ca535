#pragma once
#include "terrain/AreaRecord.h"

#include <string>

class QWidget;

namespace qb {

class CTessimApp;

// The map dialog "地図から開く" for a mesh setting: the web map shows the
// mesh-cell grid and the cells holding tiles; the box chosen on it is
// assembled into `records` on OK. True on OK with an area found; on Cancel
// the records and the application's red and blue boxes stay as they were.
// Where the page at `pageUrl` (by default the one beside the program)
// cannot be shown, the globe serves to choose the box instead.
bool RunMapOpenDialog(CTessimApp& app, CAreaRecords& records, int meshSetting, QWidget* parent,
                      const std::string& pageUrl = {});

} // namespace qb
