#pragma once
#include "places/LabelDialogSession.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qb {

// Identifiers and texts of the display dialog.
inline constexpr int kSelectLevelDialogId = 135;
inline constexpr std::string_view kSelectLevelTitle = "地名表示の設定";
inline constexpr int kManualRadioId = 1061;
inline constexpr int kAutoRadioId = 1062;
inline constexpr std::string_view kManualRadioText = "手動(&M)";
inline constexpr std::string_view kAutoRadioText = "自動(&A)";

// One check box: its identifier, its text and the kind whose flag it holds.
struct LevelCheckBox {
    int id;
    std::string_view text;
    int kind;
};

inline constexpr std::array<LevelCheckBox, kPlaceKindCount> kLevelCheckBoxes = {{
    {1026, "第一水準(&1)", kPeak1},
    {1027, "第二水準(&2)", kPeak2},
    {1028, "第三水準(&3)", kPeak3},
    {1029, "第一水準(&4)", kRiver1},
    {1030, "第二水準(&5)", kRiver2},
    {1031, "第三水準(&6)", kRiver3},
    {1032, "第一水準(&7)", kRidge1},
    {1033, "第二水準(&8)", kRidge2},
    {1034, "第三水準(&9)", kRidge3},
    {1053, "滝((&F)", kFall},
    {1054, "湖、沼、池(&P)", kPond},
    {1055, "建物(&S)", kStructure},
    {1073, "峠(&A)", kPass},
    {1074, "その他の地名(&E)", kEtc},
}};

// The group boxes around the check boxes; the last one, around the single
// kinds, has no title.
struct LevelGroupBox {
    int id;
    std::string_view title;
};

inline constexpr std::array<LevelGroupBox, 4> kLevelGroupBoxes = {{
    {1063, "ピークの名前"},
    {1064, "川、谷、沢、ルンゼの名前"},
    {1065, "尾根、稜、リッジ、壁の名前"},
    {1066, ""},
}};

// The display dialog without its window: the 15 values it edits, what
// clicks do to them and which controls are enabled. The window reads
// IsAutomatic(), IsChecked() and IsEnabled() after every call.
class CSelectLevelLogic {
public:
    // Loads the state from the store and takes the 15 values from it.
    CSelectLevelLogic(ISettingsStore& store, CLabelState& state, std::function<void()> repaintViews);

    bool IsAutomatic() const { return m_bAutoNames != 0; }
    // A click on one of the radio buttons (kManualRadioId, kAutoRadioId).
    void ClickRadio(int controlId);

    // The check box of a control identifier, by identifier; false for others.
    bool IsChecked(int controlId) const;
    void SetChecked(int controlId, bool checked);

    // The radio buttons are always enabled; the check boxes and their group
    // boxes only while the manual mode is chosen. Unknown identifiers: true.
    bool IsEnabled(int controlId) const;

    // OK: stores the 15 values, repaints the views and writes the state.
    void Ok();
    // Cancel: the state keeps its values and is written back as it was read.
    void Cancel();

private:
    CLabelDialogSession m_session;
    std::int32_t m_bAutoNames = 1;
    std::array<std::int32_t, kPlaceKindCount> m_bShowKind{};
};

} // namespace qb
