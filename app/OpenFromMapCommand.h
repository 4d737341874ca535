#pragma once
#include "terrain/AreaRecord.h"

#include <optional>
#include <string>

namespace qb {

class CTessimApp;

// The windows the open-from-map command runs through. Each answers false
// (or nothing) when the user cancelled.
class IOpenFromMapWindows {
public:
    virtual ~IOpenFromMapWindows() = default;
    // The folder settings command, run first while no database folder is set.
    virtual bool RunFolderSettings() = 0;
    // The map view, when one exists, is asked to close.
    virtual void CloseMapView() = 0;
    // The map-kind dialog, preset with the application's map kind.
    virtual std::optional<int> ChooseMapKind() = 0;
    // The map dialog for the map kind over `records` (the stored area as its
    // first and second record); on OK the records hold the chosen area.
    virtual bool ChooseArea(CAreaRecords& records, int mapKind) = 0;
    // The main frame's move record no longer applies to what opens next.
    virtual void ClearMoveRecord() = 0;
    // The same-document step, then the document opens by path.
    virtual void OpenArea(const std::string& path) = 0;
};

// "地図から開く": the folder settings when none are set, the map kind, the
// area chosen on the map, its data source (with the data disc's messages),
// then the area opens. A cancelled dialog anywhere opens nothing; settings
// already written stay written.
void RunOpenFromMap(CTessimApp& app, IOpenFromMapWindows& windows);

// The first file matching `pattern` (wildcards "*" and "?" in its last
// component), as a full path; nothing when none matches.
std::optional<std::string> FirstMatchingFile(const std::string& pattern);

} // namespace qb
