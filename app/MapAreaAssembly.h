#pragma once
#include "platform/MessageSink.h"
#include "platform/Progress.h"
#include "terrain/AreaRecord.h"
#include "terrain/GeoBox.h"

namespace qb {

class CTessimApp;

// Assembles the area of a box chosen on the map (east-positive degrees) for
// a mesh setting from the application's database folder or data disc into
// `records`: data source `kind` alone, or for a hybrid setting the 10 m base
// with its overlays, whose finds the application remembers. False when no
// tile was found, the area is too large or the user cancelled; what went
// wrong is told through `messages`.
bool AssembleMapArea(CTessimApp& app, CAreaRecords& records, int meshSetting, int kind, const GeoBox& box,
                     IProgress* progress, IMessageSink& messages);

// The same for the open-from-map dialog, which stays open after a failed
// assembly: a box without tiles says so for every kind of data, not only
// for the 5 m tiles.
bool AssembleChosenArea(CTessimApp& app, CAreaRecords& records, int meshSetting, int kind, const GeoBox& box,
                        IProgress& progress);

} // namespace qb
