#pragma once
#include "platform/MessageSink.h"

#include <string_view>

namespace qb {

enum class ViewCursor { Arrow, Cross };

// What a view engine asks of the window that owns it.
class IViewHost {
public:
    virtual ~IViewHost() = default;
    // Asks for the whole view to be drawn again.
    virtual void Repaint() = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void SetCursor(ViewCursor cursor) = 0;
    // The text pane of the status bar (UTF-8).
    virtual void SetStatusText(std::string_view text) = 0;
    // A modal message box with the application title as caption.
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
};

} // namespace qb
