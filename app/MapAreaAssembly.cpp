#include "app/MapAreaAssembly.h"

#include "app/TessimApp.h"
#include "terrain/AreaAssembly.h"

namespace qb {

namespace {

// Passes messages on and counts them.
class CCountingSink final : public IMessageSink {
public:
    explicit CCountingSink(IMessageSink& inner) : m_inner(inner) {}
    MessageResult ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              std::string_view caption) override
    {
        ++m_nShown;
        return m_inner.ShowMessage(text, icon, buttons, caption);
    }
    int Shown() const { return m_nShown; }

private:
    IMessageSink& m_inner;
    int m_nShown = 0;
};

} // namespace

bool AssembleMapArea(CTessimApp& app, CAreaRecords& records, int meshSetting, int kind, const GeoBox& box,
                     IProgress* progress, IMessageSink& messages)
{
    const CAssemblyContext context{app.m_strDatabaseFolder, app.DataDriveRoot(), &messages};
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

bool AssembleChosenArea(CTessimApp& app, CAreaRecords& records, int meshSetting, int kind, const GeoBox& box,
                        IProgress& progress)
{
    CCountingSink messages(app.Messages());
    CAreaRecords found = records;
    if (AssembleMapArea(app, found, meshSetting, kind, box, &progress, messages)) {
        records = found;
        return true;
    }
    if (messages.Shown() == 0 && !progress.IsCancelled())
        app.Messages().ShowMessage(kNoFilesInRangeMessage, MessageIcon::Exclamation);
    return false;
}

} // namespace qb
