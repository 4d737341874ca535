#pragma once
#include "platform/MessageSink.h"

#include <array>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kHeightScaleTitle = "高さの強調表示";
// The choices by index; the last takes the factor typed in the edit.
inline constexpr std::array<std::string_view, 5> kHeightScaleChoiceTexts = {
    "０．５倍", "１．０倍", "１．５倍", "２．０倍", "任意の倍率"};
inline constexpr std::string_view kHeightScaleUnitText = "倍";
inline constexpr int kFreeHeightScale = 4;
inline constexpr double kMinFreeHeightScale = 0.1;
inline constexpr double kMaxFreeHeightScale = 10.0;

// The height-exaggeration dialog without its window: five choices, the
// last of which ("任意の倍率") takes its factor from an edit that is
// enabled only while that choice is made. The window shows Choice() and
// Text(), reports clicks to Choose() and typing to SetText(), and after a
// refused OK puts the focus on the edit.
class CHightTimeLogic {
public:
    // Opens with the stored choice and factor; a stored choice outside 0..4
    // opens as "１．０倍".
    CHightTimeLogic(IMessageSink& messages, int index, double factor);

    int Choice() const { return m_nChoice; }
    void Choose(int index);
    bool IsEditEnabled() const { return m_nChoice == kFreeHeightScale; }

    const std::string& Text() const { return m_strText; }
    void SetText(std::string_view text) { m_strText = text; }

    // Checks the edit when it is in use: a number from 0.1 to 10. False,
    // with a message, when the dialog stays open.
    bool Ok();
    // After an accepted OK: the choice and its factor.
    int Index() const { return m_nChoice; }
    double Factor() const { return m_dFactor; }

private:
    bool Refuse(std::string_view message);

    IMessageSink& m_messages;
    int m_nChoice;
    std::string m_strText;
    double m_dFactor;
};

} // namespace qb
