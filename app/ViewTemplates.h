#pragma once
#include <optional>
#include <string_view>

namespace qb {

// The kinds of view a document is shown in, at most one view of each.
enum class ViewKind { TwoD, Map, Rendering };

// What the document template of a view kind fixes apart from its windows:
// the resource id of the kind's frames (their menu bar and icon, and their
// help context offset from it), the command that brings up a view of the
// kind and the caption string its view's title starts with.
struct ViewTemplateInfo {
    ViewKind kind;
    int resourceId;
    int showCommand;
    std::string_view caption;   // UTF-8
    std::string_view icon;      // the frame icon's name among the program's icons

    // The help context of the kind's frames: the resource id + 0x20000.
    int HelpContext() const;
};

const ViewTemplateInfo& TemplateInfoOf(ViewKind kind);
// The kind whose frames carry the menu `resourceId`; none for the menu
// without a document and for any other id.
std::optional<ViewKind> ViewKindOfMenu(int resourceId);
// The kind a show command brings up; none for any other command.
std::optional<ViewKind> ViewKindOfShowCommand(int commandId);

} // namespace qb
