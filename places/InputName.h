#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class IMessageSink;

inline constexpr std::string_view kNoPlaceNameMessage = "地名が入力されていません。";

// The fields and rules of the name-input dialog, free of any window system:
// the caller fills the fields before the dialog opens and reads them after
// OK. Texts are UTF-8; the name is limited to 30 code page 932 bytes (15
// full-width characters).
class CInputName {
public:
    static constexpr std::size_t kNameBytes = 30;
    static constexpr int kKindChoices = 8;
    static constexpr int kLevelChoices = 3;

    int m_bEditing = 0;         // 1 when the point has a user name: Delete is usable
    std::string m_strHeight;    // "%6.1fm", or that the point has no data
    std::string m_strName;
    std::string m_strX;         // metres east of the grid's west edge, "%6dm"
    std::string m_strY;         // metres south of the grid's north edge, "%6dm"
    int m_nLevel = -1;          // 0 .. 2
    int m_nKind = 0;            // 0 .. 7: peak, river, ridge, fall, pond, structure, pass, others

    // The texts of the point: its height (none where it has no data) and its
    // distances from the edges.
    void SetPoint(std::optional<double> height, int eastMetres, int southMetres);

    // The kind code 0 .. 13 of a kind choice and a level; 0 for choices out of range.
    static int KindFromChoice(int level, int kind);
    // The choices that give a kind code; false (both unchanged) for other codes.
    static bool ChoiceFromKind(int code, int& level, int& kind);

    bool IsDeleteEnabled() const { return m_bEditing != 0; }
    // Whether the level buttons are usable once this kind has been clicked:
    // only peaks, rivers and ridges have levels.
    static bool AreLevelsEnabledFor(int kind);

    // OK: refuses an empty name with a message (the dialog stays open, false);
    // otherwise takes the controls' values into the fields and gives true.
    bool Accept(std::string_view name, int level, int kind, IMessageSink& messages);
};

} // namespace qb
