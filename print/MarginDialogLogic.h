#pragma once
#include "platform/MessageSink.h"
#include "print/MarginSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr int kSetMarginDialogId = 146;
inline constexpr std::string_view kSetMarginTitle = "マージンの設定";
inline constexpr std::string_view kUnitGroupTitle = "単位";
// The unit buttons, by unit.
inline constexpr std::array<std::string_view, 2> kUnitButtonTexts = {"センチ(&C)", "インチ(&I)"};

// The four edits in the dialog's order, with their captions.
struct MarginEdit {
    int side;
    std::string_view caption;
};
inline constexpr std::array<MarginEdit, 4> kMarginEdits = {{
    {kLeftMargin, "左(&L)"},
    {kRightMargin, "右(&R)"},
    {kTopMargin, "上(&T)"},
    {kBottomMargin, "下(&B)"},
}};

inline constexpr double kMaxMarginInUnit = 5.0;

// The margin dialog without its window. It takes and returns the margins
// in 1/100 mm; each edit shows its margin in the chosen unit. The window
// shows Text() of each side, checks the button of Units(), reports every
// change of an edit's text (its own writes included) to EditChanged(), and
// after a refused OK puts the focus on FocusSide().
class CSetMarginLogic {
public:
    CSetMarginLogic(IMessageSink& messages, const MarginValues& hundredthsMm, int units);

    const std::string& Text(int side) const { return m_edits[side].text; }
    double Centimetres(int side) const { return m_edits[side].centimetres; }
    // The edit's text changed: typed text sets the margin (a text that is
    // not a number counts as 0); the dialog's own rewrite of the text is
    // ignored, so switching units never changes a margin.
    void EditChanged(int side, std::string_view text);

    int Units() const { return m_nUnits; }
    // Shows every margin again in the unit, with two decimals.
    void ChooseUnits(int units);

    // Checks the edits in the dialog's order; false, with a message, when
    // the dialog stays open.
    bool Ok();
    // The edit that a refused OK gives the focus to; -1 before any refusal.
    int FocusSide() const { return m_nFocusSide; }
    // The margins in 1/100 mm, after an accepted OK.
    MarginValues Result() const;

private:
    struct Edit {
        double centimetres = 0.0;
        std::string text;
        std::optional<std::string> written;  // the dialog's own text, until its notification
    };

    double Factor() const;
    void Write(Edit& edit, std::string text);
    bool Refuse(int side, std::string_view message);

    IMessageSink& m_messages;
    std::array<Edit, 4> m_edits;
    int m_nUnits;
    int m_nFocusSide = -1;
};

} // namespace qb
