#include "places/PlaceEditor.h"

#include "places/InputName.h"
#include "places/NameText.h"
#include "places/PlacePosition.h"
#include "places/PlaceTables.h"
#include "platform/MessageSink.h"
#include "platform/NameInputDialog.h"
#include "terrain/HeightGrid.h"

#include <cmath>
#include <limits>

namespace qb {
namespace {

// A record nearer than this (|dlat| + |dlon|, degrees) is the point's own.
constexpr double kSamePoint = 0.0001;

int RecordAt(const CPlaceTable& table, const CHeightGrid& grid, float lat, float lon)
{
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < table.Count(); ++i) {
        const PlacePair pair = PairForGrid(table[i], grid);
        const double d = std::fabs(double(pair.lat) - lat) + std::fabs(double(pair.lon) - lon);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return best < kSamePoint ? nearest : -1;
}

} // namespace

CPlaceEditor::CPlaceEditor(CPlaceTables& tables, const CHeightGrid& grid, INameInputDialog& dialog,
                           IMessageSink& messages)
    : m_tables(tables), m_grid(grid), m_dialog(dialog), m_messages(messages)
{
}

int CPlaceEditor::EditPlace(float height, int eastMetres, int southMetres)
{
    const int eastSpacing = m_grid.m_nMeshSize != 0 ? m_grid.m_nMeshSize : 1;
    const int southSpacing = m_grid.m_nMeshSize2 != 0 ? m_grid.m_nMeshSize2 : 1;
    Point p{eastMetres / eastSpacing, southMetres / southSpacing, 0.0f, 0.0f};
    // Only points of the grid can carry a name.
    if (p.col < 0 || p.row < 0 || p.col >= m_grid.m_nCols || p.row >= m_grid.m_nRows)
        return kEditNothing;
    p.lat = m_grid.LatOfRow(p.row);
    p.lon = m_grid.LonOfCol(p.col);
    if (HasSystemName(p)) {
        m_messages.ShowMessage(kSystemPlaceMessage, MessageIcon::Exclamation);
        return kEditNothing;
    }
    const int userIndex = RecordAt(m_tables.User(), m_grid, p.lat, p.lon);
    const int displayIndex = RecordAt(m_tables.Display(), m_grid, p.lat, p.lon);
    CInputName fields;
    FillDialog(fields, m_grid.HasData(p.row, p.col) ? std::optional<float>(height) : std::nullopt, eastMetres,
               southMetres, userIndex);
    switch (m_dialog.Run(fields)) {
    case kNameInputOk:
        return Apply(BuildRecord(fields, p, height), userIndex, displayIndex);
    case kNameInputDelete:
        return Delete(userIndex, displayIndex);
    default:
        return kEditNothing;
    }
}

bool CPlaceEditor::HasSystemName(const Point& p) const
{
    for (const PlaceRecord& r : m_tables.System().Records()) {
        const PlacePair pair = PairForGrid(r, m_grid);
        if (pair.lat == p.lat && pair.lon == p.lon)
            return true;
    }
    return false;
}

void CPlaceEditor::FillDialog(CInputName& fields, std::optional<float> height, int eastMetres, int southMetres,
                              int userIndex) const
{
    fields.SetPoint(height, eastMetres, southMetres);
    fields.m_nLevel = 0;
    fields.m_nKind = 0;
    if (userIndex < 0)
        return;
    const PlaceRecord& existing = m_tables.User()[userIndex];
    fields.m_bEditing = 1;
    CInputName::ChoiceFromKind(existing.kind, fields.m_nLevel, fields.m_nKind);
    fields.m_strName = Utf8FromPlaceName(existing.Name());
}

PlaceRecord CPlaceEditor::BuildRecord(const CInputName& fields, const Point& p, float height) const
{
    PlaceRecord r;
    r.kind = CInputName::KindFromChoice(fields.m_nLevel, fields.m_nKind);
    r.SetName(PlaceNameFromUtf8(fields.m_strName));
    r.col = p.col;
    r.row = p.row;
    r.height = height;
    r.coordsFromFile = 0;
    r.origin = 1;
    double lat = p.lat;
    double lon = p.lon;
    if (m_grid.m_bNewDatum) {
        m_tables.ToOldDatum(lat, lon);
        r.newLat = p.lat;
        r.newLon = p.lon;
        r.oldLat = static_cast<float>(lat);
        r.oldLon = static_cast<float>(lon);
    } else {
        m_tables.ToNewDatum(lat, lon);
        r.oldLat = p.lat;
        r.oldLon = p.lon;
        r.newLat = static_cast<float>(lat);
        r.newLon = static_cast<float>(lon);
    }
    return r;
}

int CPlaceEditor::Apply(const PlaceRecord& record, int userIndex, int displayIndex)
{
    if (userIndex >= 0)
        m_tables.User().Replace(userIndex, record);
    else
        m_tables.User().Append(record);
    m_tables.SetModified(true);
    if (displayIndex >= 0) {
        m_tables.Display().Replace(displayIndex, record);
        return kEditChanged;
    }
    m_tables.Display().Append(record);
    return kEditAdded;
}

// Deletes the point's user name and its display record. Without a user name
// (the dialog offers Delete only for one) nothing is deleted.
int CPlaceEditor::Delete(int userIndex, int displayIndex)
{
    if (userIndex < 0)
        return kEditNothing;
    m_tables.User().RemoveAt(userIndex);
    if (displayIndex >= 0)
        m_tables.Display().RemoveAt(displayIndex);
    m_tables.SetModified(true);
    return kEditChanged;
}

} // namespace qb
