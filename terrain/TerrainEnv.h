#pragma once
#include "terrain/GeoBox.h"

namespace qb {

class IMessageSink;
class ISettingsStore;

// Conversion of a latitude/longitude pair between the old (Tokyo) and the new
// geodetic datum, offered by the open document from its place-name table.
class IDatumConverter {
public:
    virtual ~IDatumConverter() = default;
    virtual void ToNewDatum(double& lat, double& lon) const = 0;
    virtual void ToOldDatum(double& lat, double& lon) const = 0;
};

// The web map of the map view, told where to centre when a grid is loaded.
class IMapCentreListener {
public:
    virtual ~IMapCentreListener() = default;
    virtual void SetMapCenter(double lat, double lon, int zoom) = 0;
};

// What a height grid reaches outside itself. Every pointer may be null:
// no messages, no settings written, no current document, no map view.
struct CTerrainEnv {
    IMessageSink* messages = nullptr;
    ISettingsStore* settings = nullptr;
    const IDatumConverter* datum = nullptr;  // the current document's, when one exists
    GeoBox* areaBox = nullptr;                // the application's red box
    GeoBox* viewBox = nullptr;                // the application's blue box
    IMapCentreListener* map = nullptr;
    int deviceSpan = 0;  // largest screen or printer-page side in pixels
};

} // namespace qb
