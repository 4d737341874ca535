#include "render3d/RenderLabelChoice.h"

#include <cmath>

namespace qb {
namespace {

bool Inside(const PlaceRecord& r, const GridRange& range)
{
    return r.col >= range.colFirst && r.col <= range.colLast && r.row >= range.rowFirst && r.row <= range.rowLast;
}

LabelPlace PlaceOf(const PlaceRecord& r, const GridRange& range, const LabelMetrics& m)
{
    LabelPlace place;
    place.metres = {static_cast<float>((r.col - range.colFirst) * m.colSpacing),
                    static_cast<float>(std::round((r.row - range.rowFirst) * m.rowSpacing)),
                    static_cast<float>(r.height * m.exaggeration)};
    // Bytes of the name: a full-width character takes two half-width cells.
    place.characters = static_cast<int>(r.Name().size());
    return place;
}

} // namespace

std::vector<ChosenLabel> ChooseRenderLabels(std::span<PlaceRecord> records, const GridRange& range,
                                            const LabelMetrics& metrics, LabelViewState& view,
                                            const CLabelState& state)
{
    std::vector<ChosenLabel> chosen;
    SortLabels(static_cast<int>(records.size()), records.data(), view);
    for (int i = 0; i < static_cast<int>(records.size()) && static_cast<int>(chosen.size()) < kMaxRenderLabels; ++i) {
        const PlaceRecord& record = records[i];
        if (!IsLabelShown(view, record.kind, state) || !Inside(record, range))
            continue;
        chosen.push_back({PlaceOf(record, range, metrics), i});
        ++view.drawnCount;
    }
    return chosen;
}

} // namespace qb
