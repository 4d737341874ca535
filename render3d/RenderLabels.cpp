#include "render3d/RenderLabels.h"

#include "places/LabelSettings.h"
#include "places/PlaceRecord.h"

#include <cmath>

namespace qb {
namespace {

bool IsInside(const PlaceRecord& record, const GridRange& range)
{
    return record.col >= range.colFirst && record.col <= range.colLast && record.row >= range.rowFirst &&
           record.row <= range.rowLast;
}

} // namespace

std::vector<RenderLabel> ChooseRenderLabels(PlaceRecord* records, int count, const GridRange& range,
                                            double colSpacing, double rowSpacing, double exaggeration,
                                            LabelViewState& view)
{
    std::vector<RenderLabel> labels;
    if (!records || count <= 0)
        return labels;
    SortLabels(count, records, view);
    for (int i = 0; i < count && static_cast<int>(labels.size()) < kMaxRenderLabels; ++i) {
        const PlaceRecord& record = records[i];
        if (!IsInside(record, range) || !IsLabelShown(view, record.kind))
            continue;
        ++view.drawnCount;
        labels.push_back(RenderLabel{std::round((record.col - range.colFirst) * colSpacing),
                                     std::round((record.row - range.rowFirst) * rowSpacing),
                                     record.height * exaggeration, record.kind, std::string(record.Name())});
    }
    return labels;
}

std::vector<LabelPlace> LabelPlacesOf(const std::vector<RenderLabel>& labels)
{
    std::vector<LabelPlace> places;
    places.reserve(labels.size());
    for (const RenderLabel& label : labels)
        places.push_back(LabelPlace{{float(label.x), float(label.y), float(label.z)}, int(label.name.size())});
    return places;
}

} // namespace qb
