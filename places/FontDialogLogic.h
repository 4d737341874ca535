#pragma once
#include "places/LabelDialogSession.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qb {

// Identifiers of the font dialog and its controls.
inline constexpr int kSelectFontDialogId = 134;
inline constexpr std::string_view kSelectFontTitle = "ﾌｫﾝﾄの設定";
inline constexpr int kFontKindListId = 1012;
inline constexpr int kChooseFontButtonId = 1013;
inline constexpr std::string_view kChooseFontButtonText = "ﾌｫﾝﾄの選択(&F)...";
inline constexpr std::uint8_t kLabelCharSet = 128;

// What the platform's font chooser is opened with: the kind's font with its
// character set forced to Shift-JIS and its colour as the initial colour;
// screen fonts of that character set only, no vertical fonts, and the
// effects (colour, underline, strike-out) offered.
struct FontChooserRequest {
    LabelFont font;
    std::uint8_t charSet = kLabelCharSet;
    bool screenFontsOnly = true;
    bool noVerticalFonts = true;
    bool effects = true;
};

// The font dialog without its window: the list of the 14 kinds, the font of
// each kind as the dialog holds it, and what the buttons do. The window
// shows Entries(), reflects Selection(), opens the chooser with
// ChooserRequest() and reports the chooser's OK to AcceptChoice().
class CSelectFontLogic {
public:
    // Loads the state from the store and copies the fonts into the dialog.
    CSelectFontLogic(ISettingsStore& store, CLabelState& state, std::function<void()> repaintViews);

    // The list box entries, in kind-code order.
    static const std::array<std::string_view, kPlaceKindCount>& Entries();
    // The selected entry, -1 for none.
    int Selection() const { return m_nSelection; }
    void Select(int index);

    // The chooser for the selected entry; none when nothing is selected.
    std::optional<FontChooserRequest> ChooserRequest() const;
    // The chooser ended with OK: the selected kind takes the chosen font and colour.
    void AcceptChoice(const LabelFont& chosen);

    const LabelFont& Font(int kind) const { return m_fonts[kind]; }

    // OK: the fonts go back into the state, the views are repainted and the
    // state is written.
    void Ok();
    // Cancel: the state is written back as it was read.
    void Cancel();

private:
    CLabelDialogSession m_session;
    std::array<LabelFont, kPlaceKindCount> m_fonts;
    int m_nSelection = 0;
};

} // namespace qb
