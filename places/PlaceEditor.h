#pragma once
#include "places/PlaceRecord.h"

#include <optional>
#include <string_view>

namespace qb {

class CHeightGrid;
class CInputName;
class CPlaceTables;
class IMessageSink;
class INameInputDialog;

inline constexpr std::string_view kSystemPlaceMessage = "オリジナルデータは編集できません。";

// What EditPlace did.
inline constexpr int kEditNothing = 0;
inline constexpr int kEditAdded = 1;     // a record appended to the display table
inline constexpr int kEditChanged = 2;   // a display record replaced, or a name deleted

// The user's adding, changing and deleting of their own names, one grid
// point at a time, through the name-input dialog.
class CPlaceEditor {
public:
    // Everything passed must outlive this object.
    CPlaceEditor(CPlaceTables& tables, const CHeightGrid& grid, INameInputDialog& dialog, IMessageSink& messages);

    // The point given in metres east of the grid's west edge and south of its
    // north edge, with its height. Refuses a point that carries a system
    // name; otherwise runs the dialog and applies its answer. Sets the
    // tables' modified flag when a name was added, changed or deleted.
    int EditPlace(float height, int eastMetres, int southMetres);

private:
    struct Point {
        int col;
        int row;
        float lat;
        float lon;
    };

    bool HasSystemName(const Point& p) const;
    void FillDialog(CInputName& fields, std::optional<float> height, int eastMetres, int southMetres,
                    int userIndex) const;
    PlaceRecord BuildRecord(const CInputName& fields, const Point& p, float height) const;
    int Apply(const PlaceRecord& record, int userIndex, int displayIndex);
    int Delete(int userIndex, int displayIndex);

    CPlaceTables& m_tables;
    const CHeightGrid& m_grid;
    INameInputDialog& m_dialog;
    IMessageSink& m_messages;
};

} // namespace qb
