#pragma once
#include "platform/MessageSink.h"

#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kZoomTitle = "拡大縮小";
inline constexpr std::string_view kZoomFactorLabel = "倍率(&T)";
inline constexpr std::string_view kZoomUnitText = "倍";
// The camera distance that is factor 1.
inline constexpr double kZoomUnitDistance = 24.0;

// The zoom dialog without its window: the factor is the camera distance
// over 24, typed into one edit. The window shows Text(), reports typing to
// SetText() and keeps itself open while Ok() refuses.
class CZoomLogic {
public:
    CZoomLogic(IMessageSink& messages, double distance);

    const std::string& Text() const { return m_strText; }
    void SetText(std::string_view text) { m_strText = text; }

    // Checks the edit: a number from 0.1 to 10. False, with a message, when
    // the dialog stays open.
    bool Ok();
    // After an accepted OK: the factor times 24.
    double Distance() const { return m_dDistance; }

private:
    IMessageSink& m_messages;
    std::string m_strText;
    double m_dDistance;
};

} // namespace qb
