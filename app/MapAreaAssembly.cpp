#include "app/MapAreaAssembly.h"

#include "app/TessimApp.h"
#include "terrain/AreaAssembly.h"

namespace qb {

bool AssembleMapArea(CTessimApp& app, CAreaRecords& records, int meshSetting, int kind, const GeoBox& box,
                     IProgress* progress)
{
    const CAssemblyContext context{app.m_strDatabaseFolder, app.DataDriveRoot(), &app.Messages()};
    // The assembly takes longitudes negated, as the application keeps them.
    if (meshSetting == kMeshHybrid5m10m || meshSetting == kMeshHybrid1m5m10m) {
        const CHybridResult result =
            AssembleHybrid(records, meshSetting, -box.west, -box.east, box.south, box.north, context, progress);
        app.m_bFound5m = result.found5m;
        app.m_bFound1m = result.found1m;
        return result.assembled;
    }
    return AssembleArea(records, kind, -box.west, -box.east, box.south, box.north, context, progress);
}

} // namespace qb
